#include "harness/clipboard.h"

#include <windows.h>

#include <cstring>

#include "harness/wait.h"

namespace quorvane::e2e {

namespace {

// A window of our own owns what we put on the clipboard; a NULL owner makes
// SetClipboardData fail on Windows.
HWND clipboardOwner() {
    static const HWND owner = CreateWindowExW(0, L"STATIC", L"quorvane-e2e-clipboard", 0, 0, 0, 0, 0,
                                              HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    return owner;
}

// Another program may hold the clipboard for a moment.
bool openClipboard(HWND owner) {
    return waitUntil([owner] { return OpenClipboard(owner) != 0; }, std::chrono::milliseconds(2000));
}

bool replaceWith(UINT format, const void* data, size_t size) {
    const HWND owner = clipboardOwner();
    if (!openClipboard(owner)) return false;
    EmptyClipboard();
    bool done = false;
    if (const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size)) {
        std::memcpy(GlobalLock(memory), data, size);
        GlobalUnlock(memory);
        done = SetClipboardData(format, memory) != nullptr;
        if (!done) GlobalFree(memory);
    }
    CloseClipboard();
    return done;
}

}  // namespace

bool setClipboardText(std::string_view bytes) {
    std::string text(bytes);
    return replaceWith(CF_TEXT, text.c_str(), text.size() + 1);
}

bool setClipboardPicture() {
    // 2 x 2 pixels, 24 bits, rows padded to 4 bytes.
    struct {
        BITMAPINFOHEADER header;
        unsigned char pixels[16];
    } picture{};
    picture.header.biSize = sizeof(BITMAPINFOHEADER);
    picture.header.biWidth = 2;
    picture.header.biHeight = 2;
    picture.header.biPlanes = 1;
    picture.header.biBitCount = 24;
    picture.header.biCompression = BI_RGB;
    picture.header.biSizeImage = sizeof picture.pixels;
    std::memset(picture.pixels, 0x80, sizeof picture.pixels);
    return replaceWith(CF_DIB, &picture, sizeof picture);
}

std::optional<std::string> clipboardText() {
    if (!openClipboard(clipboardOwner())) return std::nullopt;
    std::optional<std::string> text;
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            text = std::string(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool clipboardHasFormat(unsigned format) {
    return IsClipboardFormatAvailable(format) != 0;
}

}  // namespace quorvane::e2e
