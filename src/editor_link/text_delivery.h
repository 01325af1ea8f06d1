#pragma once
// Puts text into the target editor a moment after it was asked for, once the
// menu or dialog that asked has gone: by a clipboard paste or as typed bytes.
#include <cstdint>
#include <deque>
#include <string>

#include "editor_link/target_tracker.h"
#include "editor_link/text_deliverer.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/messages.h"
#include "platform/text_codec.h"
#include "platform/timer.h"

namespace quorvane::editor_link {

inline constexpr char kNoTargetText[] = "请先点击要操作的编程窗口的编辑区域，以确定操作窗口。";

inline constexpr int kSendDelayMs = 20;
inline constexpr std::uint32_t kForegroundSettleMs = 20;
// On each side of Ctrl+V; the wait after it is a minimum (see kPasteFallbackMs).
inline constexpr std::uint32_t kPasteSettleMs = 10;
// After Ctrl+V the user's clipboard comes back once the editor has taken the
// offered text, checked every kPastePollMs, or after kPasteFallbackMs at most.
inline constexpr std::uint32_t kPastePollMs = 10;
inline constexpr std::uint32_t kPasteFallbackMs = 1000;

class TextDelivery {
public:
    TextDelivery(TargetTracker& tracker, Desktop& desktop, Clipboard& clipboard, Clock& clock,
                 const TextCodec& codec, Messages& messages, Timer& sendTimer);

    // Copies `text` (UTF-8) and starts the send timer; with no live target it
    // shows kNoTargetText and changes nothing.
    void deliverText(const std::string& text, DeliveryMode mode = DeliveryMode::Paste);
    // The send timer's tick.
    void onSendTick();

    // Posts the ANSI bytes of `text` to `window` as WM_CHAR, lead byte first.
    void postChars(WindowHandle window, const std::string& text);
    // The top-level window above the target; 0 when the target has no parent.
    WindowHandle outermostAncestor();

    // The last accepted text and mode; kept after sending.
    const std::string& pendingText() const { return pendingText_; }
    DeliveryMode deliveryMode() const { return deliveryMode_; }

private:
    struct Parcel {
        std::string text;
        DeliveryMode mode = DeliveryMode::Paste;
    };

    void send(const Parcel& parcel);
    void bringTargetForward();
    void paste(const std::string& text);
    void pressCtrlV();

    TargetTracker& tracker_;
    Desktop& desktop_;
    Clipboard& clipboard_;
    Clock& clock_;
    const TextCodec& codec_;
    Messages& messages_;
    Timer& sendTimer_;

    std::string pendingText_;
    DeliveryMode deliveryMode_ = DeliveryMode::Paste;
    // pendingText_ was accepted and no tick has taken it yet.
    bool pendingWaiting_ = false;
    // A send is inside its waits; a tick now must not start another.
    bool sending_ = false;
    // Taken by ticks that fired during a send, to go out after it in order.
    std::deque<Parcel> deferred_;
};

}  // namespace quorvane::editor_link
