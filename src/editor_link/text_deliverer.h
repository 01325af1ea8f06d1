#pragma once
// The one entry through which every sender (tree, hints, templates) puts text
// into the target editor. Senders depend on this, not on the editor link.
#include <string>

namespace quorvane::editor_link {

enum class DeliveryMode {
    Paste,  // through the clipboard and Ctrl+V
    Type,   // as posted characters
};

class TextDeliverer {
public:
    virtual ~TextDeliverer() = default;
    // Copies `text` (UTF-8); the delivery happens later, on the send timer.
    virtual void deliverText(const std::string& text, DeliveryMode mode = DeliveryMode::Paste) = 0;
};

}  // namespace quorvane::editor_link
