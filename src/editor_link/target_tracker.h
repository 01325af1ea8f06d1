#pragma once
// Which edit window receives text: the recognised edit window in which the
// user last pressed the left button. The mouse hook reports every press;
// the tracking tick takes them in order.
#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>

#include "platform/desktop.h"
#include "platform/types.h"

namespace quorvane::editor_link {

enum class EditorKind : std::int32_t {
    ClassicView = 0,   // class exactly "Afx:400000:8"; brought forward through its top-level window
    HostedEditor = 1,  // class containing "HwndWrapper"; brought forward itself
};

// A press less than this after the last press that passed is ignored (the
// second press of a double click).
inline constexpr std::uint32_t kTrackingGateMs = 200;

// The kind of an edit window of this class; nullopt when it is not one.
std::optional<EditorKind> editorKindOfClass(std::string_view className);

class TargetTracker {
public:
    explicit TargetTracker(Desktop& desktop) : desktop_(desktop) {}

    // The left button went down at `screen`, at `time` on the system's
    // millisecond counter. Only recorded: the mouse hook must stay quick.
    void leftButtonPressed(Point screen, std::uint32_t time);
    // Tick of the tracking timer: takes the presses recorded since the last one.
    void onTrackingTick();

    // 0 until the first accepted press; never cleared, so it may name a dead
    // window. Presses recorded since the last tick are taken first: a
    // command chosen right after a click into an editor goes there.
    WindowHandle targetEditor();
    // Meaningful only while targetEditor() is not 0.
    EditorKind editorKind();
    // When the last press that passed the gate was made.
    std::uint32_t lastTrackTick() const { return lastTrackTick_; }

private:
    struct Press {
        Point screen;
        std::uint32_t time = 0;
    };
    void takePresses();
    void take(const Press& press);

    Desktop& desktop_;
    std::deque<Press> presses_;
    // Written together, only by take(), so the pair stays consistent.
    WindowHandle targetEditor_ = 0;
    EditorKind editorKind_ = EditorKind::ClassicView;
    std::uint32_t lastTrackTick_ = 0;
};

}  // namespace quorvane::editor_link
