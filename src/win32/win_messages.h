#pragma once
#include <windows.h>

#include "platform/messages.h"

namespace quorvane::win32 {

// The standard message box and an input box built in code, both owned by
// the panel and placed over it.
class WinMessages final : public Messages {
public:
    // The panel, once it exists. A box shown while a dialog of the panel is
    // open belongs to that dialog.
    void setOwner(HWND owner) { owner_ = owner; }

    MessageAnswer show(const std::string& text, MessageIcon icon, const std::string& title,
                       MessageButtons buttons) override;
    std::optional<std::string> askText(const std::string& prompt) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace quorvane::win32
