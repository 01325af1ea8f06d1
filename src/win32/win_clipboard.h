#pragma once
// The system clipboard, owned through the panel's window. Pasted text is
// offered with delayed rendering, so the panel learns when the target
// program actually asked for it.
#include <string>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/clipboard.h"

namespace quorvane::win32 {

class WinClipboard final : public Clipboard {
public:
    // `owner` is the panel's window; its window procedure must pass
    // WM_RENDERFORMAT, WM_RENDERALLFORMATS and WM_DESTROYCLIPBOARD to
    // handleMessage.
    explicit WinClipboard(HWND owner);

    ClipboardSnapshot save() override;
    void restore(const ClipboardSnapshot& snapshot) override;
    bool offerText(const std::string& utf8, const ClipboardSnapshot& userContent) override;
    bool offeredTextTaken() override;

    // True when the message was a clipboard-owner message it handled; the
    // window procedure then returns 0.
    bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    bool open();
    bool renderOffer(UINT format);

    HWND owner_;
    std::wstring offered_;
    ClipboardSnapshot userContent_;
    bool offerPending_ = false;
    bool offerTaken_ = false;
};

}  // namespace quorvane::win32
