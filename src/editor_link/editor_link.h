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
    // `sendTimer` stays stopped until a delivery is accepted.
    EditorLink(Desktop& desktop, Clipboard& clipboard, Clock& clock, const TextCodec& codec,
               Messages& messages, Timer& sendTimer)
        : tracker_(desktop),
          delivery_(tracker_, desktop, clipboard, clock, codec, messages, sendTimer) {}

    void leftButtonPressed(Point screen, std::uint32_t time) { tracker_.leftButtonPressed(screen, time); }
    void onTrackingTick() { tracker_.onTrackingTick(); }
    void onSendTick() { delivery_.onSendTick(); }

    void deliverText(const std::string& text, DeliveryMode mode = DeliveryMode::Paste) override {
        delivery_.deliverText(text, mode);
    }

    TargetTracker& tracker() { return tracker_; }
    TextDelivery& delivery() { return delivery_; }

private:
    TargetTracker tracker_;
    TextDelivery delivery_;
};

}  // namespace quorvane::editor_link
