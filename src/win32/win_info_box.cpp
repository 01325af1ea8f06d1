#include "win32/win_info_box.h"

#include "win32/win_text.h"

namespace quorvane::win32 {

void WinInfoBox::setText(const std::string& utf8) {
    SetWindowTextW(box_, toUtf16(utf8).c_str());
}

void WinInfoBox::copySelection() {
    SendMessageW(box_, WM_COPY, 0, 0);
}

void WinInfoBox::selectAll() {
    // An end of -1 reaches past the last character, whatever the length.
    SendMessageW(box_, EM_SETSEL, 0, -1);
}

}  // namespace quorvane::win32
