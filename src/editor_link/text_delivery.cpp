#include "editor_link/text_delivery.h"

#include <utility>

namespace quorvane::editor_link {

TextDelivery::TextDelivery(TargetTracker& tracker, Desktop& desktop, Clipboard& clipboard, Clock& clock,
                           const TextCodec& codec, Messages& messages, Timer& sendTimer)
    : tracker_(tracker),
      desktop_(desktop),
      clipboard_(clipboard),
      clock_(clock),
      codec_(codec),
      messages_(messages),
      sendTimer_(sendTimer) {}

void TextDelivery::deliverText(const std::string& text, DeliveryMode mode) {
    const WindowHandle target = tracker_.targetEditor();
    if (target == 0 || !desktop_.isWindow(target)) {
        messages_.show(kNoTargetText, MessageIcon::Information);
        return;
    }
    deliveryMode_ = mode;
    pendingText_ = text;
    pendingWaiting_ = true;
    // Already running at this period: it keeps its schedule, so a second
    // delivery within the delay replaces the first.
    sendTimer_.setPeriod(kSendDelayMs);
}

void TextDelivery::onSendTick() {
    if (sending_) {
        // We are inside the waits of a running send. Nesting would send twice
        // or interleave; instead take the waiting delivery now, so a later one
        // cannot replace it, and let the timer run on to send it afterwards.
        if (pendingWaiting_) {
            deferred_.push_back({pendingText_, deliveryMode_});
            pendingWaiting_ = false;
        }
        return;
    }

    Parcel parcel;
    if (!deferred_.empty()) {
        parcel = std::move(deferred_.front());
        deferred_.pop_front();
    } else if (pendingWaiting_) {
        parcel = {pendingText_, deliveryMode_};
        pendingWaiting_ = false;
    } else {
        sendTimer_.setPeriod(0);  // nothing waits: a stray tick
        return;
    }
    // One tick per delivery: stop unless more are waiting behind this one.
    if (deferred_.empty() && !pendingWaiting_) sendTimer_.setPeriod(0);

    sending_ = true;
    send(parcel);
    sending_ = false;
}

void TextDelivery::send(const Parcel& parcel) {
    bringTargetForward();
    clock_.waitDispatching(kForegroundSettleMs);
    // The target is read again here: a click during the wait may have moved it.
    if (parcel.mode == DeliveryMode::Type) {
        postChars(tracker_.targetEditor(), parcel.text);
        return;
    }
    paste(parcel.text);
}

void TextDelivery::bringTargetForward() {
    // A classic edit view is a child deep inside its frame; a hosted editor is
    // activated directly.
    const WindowHandle front =
        tracker_.editorKind() == EditorKind::HostedEditor ? tracker_.targetEditor() : outermostAncestor();
    if (front != 0) desktop_.setForegroundWindow(front);
}

void TextDelivery::paste(const std::string& text) {
    // Every format, so a picture or file list the user copied survives the paste.
    const ClipboardSnapshot saved = clipboard_.save();
    const bool offered = clipboard_.offerText(text, saved);
    clock_.waitDispatching(kPasteSettleMs);
    // The clipboard could not be taken: Ctrl+V would paste the user's own
    // content, and nothing of theirs has changed that needs restoring.
    if (!offered) return;

    pressCtrlV();
    const std::uint32_t pressedAt = clock_.tickCount();
    clock_.waitDispatching(kPasteSettleMs);
    // A busy editor reads the clipboard long after the key press; restoring
    // before it has asked would make it paste the user's old content instead.
    while (!clipboard_.offeredTextTaken() && clock_.tickCount() - pressedAt < kPasteFallbackMs) {
        clock_.waitDispatching(kPastePollMs);
    }
    clipboard_.restore(saved);
}

void TextDelivery::pressCtrlV() {
    desktop_.sendKey(vk::Control, true);
    desktop_.sendKey(vk::V, true);
    desktop_.sendKey(vk::Control, false);
    desktop_.sendKey(vk::V, false);
}

void TextDelivery::postChars(WindowHandle window, const std::string& text) {
    for (const char byte : codec_.fromUtf8(text, CodePage::Ansi)) {
        desktop_.postCharByte(window, static_cast<std::uint8_t>(byte));
    }
}

WindowHandle TextDelivery::outermostAncestor() {
    WindowHandle outermost = 0;
    for (WindowHandle window = desktop_.parent(tracker_.targetEditor()); window != 0;
         window = desktop_.parent(window)) {
        outermost = window;
    }
    return outermost;
}

}  // namespace quorvane::editor_link
