#pragma once
#include <windows.h>

#include "platform/messages.h"

namespace quorvane::win32 {

// The standard message box (task-modal, no owner) and an input box built in code.
class WinMessages final : public Messages {
public:
    // The font of the input box; the panel's, once it exists.
    void setFont(HFONT font) { font_ = font; }

    MessageAnswer show(const std::string& text, MessageIcon icon, const std::string& title,
                       MessageButtons buttons) override;
    std::optional<std::string> askText(const std::string& prompt) override;

private:
    HFONT font_ = nullptr;
};

}  // namespace quorvane::win32
