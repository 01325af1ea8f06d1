#pragma once
// The hint list: the page shown, its row rectangles for hit-testing, and the
// drawing of a page through the popup's view.
#include <array>
#include <string>
#include <vector>

#include "hints/hint_lookup.h"
#include "hints/hint_popup_design.h"
#include "platform/hint_popup_view.h"
#include "platform/text_codec.h"

namespace quorvane::hints {

// A row's hit rectangle in canvas pixels, every edge included: a point on the
// edge two rows share lies in both, and the upper row is tested first.
struct RowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool contains(Point p) const { return left <= p.x && p.x <= right && top <= p.y && p.y <= bottom; }
    friend bool operator==(const RowRect&, const RowRect&) = default;
};

class HintPopup {
public:
    HintPopup(HintPopupView& view, HintLookup& lookup, const TextCodec& codec);

    // Creates the popup transparent, at `place`, its rows laid out at full
    // width, by `design` in pixels.
    void load(Point place, const HintPopupDesign& design);
    void destroy();
    // The window exists: it was made and has not been destroyed since.
    bool loaded() const { return loaded_; }
    // setPopupAlpha: 0 hides the popup, 255 shows it.
    bool setAlpha(int alpha);
    void moveTo(Point topLeft) { view_.moveTo(topLeft); }
    void beginDrag() { view_.beginDrag(); }

    // A new list for `word`, whose first page has been read: page 1 is drawn.
    void newList(std::string word, std::vector<std::string> firstPage);
    // The popup was hidden: no row can be accepted any more. What the canvas
    // shows and the page state stay until the next list.
    void forget();
    // On by the rows of the page shown; past the last word the page is empty.
    void pageDown();
    // Ten words back, but never before the first.
    void pageUp();
    // The ten rectangles at full width, outlined on the visible canvas.
    void layoutHintRows();

    // The row of the page shown under a canvas point, 0 for the first; -1 when none.
    int rowAt(Point canvas) const;
    // The word on a row of the page shown (0 for the first); null when the
    // page has no such row or the list was forgotten.
    const std::string* wordOnRow(int row) const;
    // The pointer is a hand over a drawn row, an arrow elsewhere.
    void pointerAt(Point canvas);

    int pageStart() const { return hintPageStart_; }
    int pageRows() const { return hintPageRows_; }
    int pageNumber() const { return hintPageNumber_; }
    const std::array<RowRect, kRowsPerPage>& rowRects() const { return hintRowRects_; }
    const HintPopupDesign& design() const { return design_; }

private:
    // drawHintPage: moves on by the rows of the page shown, then reads and draws that page.
    void drawHintPage();
    void draw(std::vector<std::string> words);
    int ansiLength(const std::string& text) const;

    HintPopupView& view_;
    HintLookup& lookup_;
    const TextCodec& codec_;
    HintPopupDesign design_;
    bool loaded_ = false;

    // The letters the list was looked up with.
    std::string word_;
    // The words on the page shown; empty once forgotten.
    std::vector<std::string> pageWords_;
    int hintPageStart_ = 0;
    int hintPageRows_ = 0;
    int hintPageNumber_ = 1;
    std::array<RowRect, kRowsPerPage> hintRowRects_{};
    PopupPointer pointer_ = PopupPointer::Arrow;
};

}  // namespace quorvane::hints
