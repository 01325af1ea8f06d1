#pragma once
// The one entry through which every sender (tree, hints, templates) puts text
// into the target editor. Senders depend on this, not on the editor link.
#include <string>

namespace quorvane::editor_link {

inline constexpr int kPasteMode = 0;  // through the clipboard and Ctrl+V
inline constexpr int kTypeMode = 1;   // as posted characters; any nonzero mode acts the same

class TextDeliverer {
public:
    virtual ~TextDeliverer() = default;
    // Copies `text` (UTF-8); the delivery happens later, on the send timer.
    virtual void deliverText(const std::string& text, int mode = kPasteMode) = 0;
};

}  // namespace quorvane::editor_link
