#include "editor_link/target_tracker.h"

#include <string>

namespace quorvane::editor_link {

namespace {

constexpr std::string_view kClassicViewClass = "Afx:400000:8";
constexpr std::string_view kHostedEditorMark = "HwndWrapper";
// Presses waiting for a tick. A tick comes every 30 ms, so this only fills
// when the panel is stalled; the newest presses are the ones that count.
constexpr std::size_t kMaxWaitingPresses = 64;

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

void TargetTracker::leftButtonPressed(Point screen, std::uint32_t time) {
    if (presses_.size() == kMaxWaitingPresses) presses_.pop_front();
    presses_.push_back({screen, time});
}

void TargetTracker::onTrackingTick() {
    takePresses();
}

WindowHandle TargetTracker::targetEditor() {
    takePresses();
    return targetEditor_;
}

EditorKind TargetTracker::editorKind() {
    takePresses();
    return editorKind_;
}

void TargetTracker::takePresses() {
    while (!presses_.empty()) {
        const Press press = presses_.front();
        presses_.pop_front();
        take(press);
    }
}

void TargetTracker::take(const Press& press) {
    // Unsigned subtraction keeps the gate right across the counter's wrap.
    if (press.time - lastTrackTick_ < kTrackingGateMs) return;
    // Any press opens a new gate, on a recognised window or not.
    lastTrackTick_ = press.time;

    const WindowHandle window = desktop_.windowFromPoint(press.screen);
    if (window == targetEditor_) return;

    // A window gone since the press has an empty class and is refused.
    const std::optional<EditorKind> kind = editorKindOfClass(desktop_.className(window));
    if (!kind) return;
    targetEditor_ = window;
    editorKind_ = *kind;
}

}  // namespace quorvane::editor_link
