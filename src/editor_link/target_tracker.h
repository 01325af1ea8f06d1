#pragma once
// Which edit window receives text: the recognised edit window in which the
// user last pressed the left button. Found by polling, never by asking.
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/timer.h"
#include "platform/types.h"

namespace quorvane::editor_link {

enum class EditorKind : std::int32_t {
    ClassicView = 0,   // class exactly "Afx:400000:8"; brought forward through its top-level window
    HostedEditor = 1,  // class containing "HwndWrapper"; brought forward itself
};

inline constexpr int kTrackingPeriodMs = 30;
// A press less than this after the last press that passed is ignored (the
// second press of a double click, a held button).
inline constexpr std::uint32_t kTrackingGateMs = 200;

// The kind of an edit window of this class; nullopt when it is not one.
std::optional<EditorKind> editorKindOfClass(std::string_view className);

class TargetTracker {
public:
    // Starts `trackingTimer`; the composition root routes its ticks to onTrackingTick.
    TargetTracker(Desktop& desktop, Clock& clock, Timer& trackingTimer);

    void onTrackingTick();

    // 0 until the first accepted press; never cleared, so it may name a dead window.
    WindowHandle targetEditor() const { return targetEditor_; }
    // Meaningful only while targetEditor() is not 0.
    EditorKind editorKind() const { return editorKind_; }
    std::uint32_t lastTrackTick() const { return lastTrackTick_; }

private:
    bool leftButtonDown();

    Desktop& desktop_;
    Clock& clock_;
    // Written together, only by onTrackingTick, so the pair stays consistent.
    WindowHandle targetEditor_ = 0;
    EditorKind editorKind_ = EditorKind::ClassicView;
    std::uint32_t lastTrackTick_ = 0;
};

}  // namespace quorvane::editor_link
