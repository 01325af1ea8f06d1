#include "editor_link/target_tracker.h"

#include <string>

namespace quorvane::editor_link {

namespace {
constexpr std::string_view kClassicViewClass = "Afx:400000:8";
constexpr std::string_view kHostedEditorMark = "HwndWrapper";
}  // namespace

std::optional<EditorKind> editorKindOfClass(std::string_view className) {
    // A longer class holding the classic name is some other MFC window; it is
    // refused outright, without the hosted-editor test.
    if (className.find(kClassicViewClass) != std::string_view::npos) {
        if (className.size() == kClassicViewClass.size()) return EditorKind::ClassicView;
        return std::nullopt;
    }
    if (className.find(kHostedEditorMark) != std::string_view::npos) return EditorKind::HostedEditor;
    return std::nullopt;
}

TargetTracker::TargetTracker(Desktop& desktop, Clock& clock, Timer& trackingTimer)
    : desktop_(desktop), clock_(clock) {
    trackingTimer.setPeriod(kTrackingPeriodMs);
}

bool TargetTracker::leftButtonDown() {
    // Only these two readings count as down: the state with its "pressed since
    // the last call" bit, sign-extended, and the plain down state, not extended.
    const std::int32_t state = desktop_.asyncKeyState(vk::LeftButton);
    return state == -32767 || state == 32768;
}

void TargetTracker::onTrackingTick() {
    if (!leftButtonDown()) return;

    const std::uint32_t now = clock_.tickCount();
    // Unsigned subtraction keeps the gate right across the counter's wrap.
    if (now - lastTrackTick_ < kTrackingGateMs) return;
    // Any press opens a new gate, on a recognised window or not.
    lastTrackTick_ = now;

    const WindowHandle window = desktop_.windowFromPoint(desktop_.cursorPosition());
    if (window == targetEditor_) return;

    // A window gone since windowFromPoint has an empty class and is refused.
    const std::optional<EditorKind> kind = editorKindOfClass(desktop_.className(window));
    if (!kind) return;
    targetEditor_ = window;
    editorKind_ = *kind;
}

}  // namespace quorvane::editor_link
