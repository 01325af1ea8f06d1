#pragma once
// The editor link as the composition root sees it: the tracker and the
// delivery wired together, one handler per timer, and the TextDeliverer that
// every sender is given.
#include <string>

#include "editor_link/target_tracker.h"
#include "editor_link/text_deliverer.h"
#include "editor_link/text_delivery.h"

namespace quorvane::editor_link {

class EditorLink : public TextDeliverer {
public:
    // Starts `trackingTimer` (30 ms, for the panel's whole life); `sendTimer`
    // stays stopped until a delivery is accepted.
    EditorLink(Desktop& desktop, Clipboard& clipboard, Clock& clock, const TextCodec& codec,
               Messages& messages, Timer& trackingTimer, Timer& sendTimer)
        : tracker_(desktop, clock, trackingTimer),
          delivery_(tracker_, desktop, clipboard, clock, codec, messages, sendTimer) {}

    void onTrackingTick() { tracker_.onTrackingTick(); }
    void onSendTick() { delivery_.onSendTick(); }

    void deliverText(const std::string& text, int mode = kPasteMode) override {
        delivery_.deliverText(text, mode);
    }
    // Straight to the window, without the send timer (the keystroke watcher's ";").
    void postChars(WindowHandle window, const std::string& text) { delivery_.postChars(window, text); }

    WindowHandle targetEditor() const { return tracker_.targetEditor(); }
    EditorKind editorKind() const { return tracker_.editorKind(); }

    const TargetTracker& tracker() const { return tracker_; }
    TextDelivery& delivery() { return delivery_; }

private:
    TargetTracker tracker_;
    TextDelivery delivery_;
};

}  // namespace quorvane::editor_link
