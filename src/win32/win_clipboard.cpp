#include "win32/win_clipboard.h"

#include <cstring>
#include <vector>

#include "win32/win_text.h"

namespace quorvane::win32 {

namespace {

constexpr int kOpenAttempts = 10;
constexpr DWORD kOpenRetryMs = 10;

enum class Storage { Skip, Memory, EnhancedMetafile };

Storage storageOf(UINT format) {
    switch (format) {
        // GDI handles. The system recreates each from a format we do keep:
        // CF_BITMAP and CF_PALETTE from CF_DIB, CF_METAFILEPICT (a handle
        // inside a block) from CF_ENHMETAFILE, and it lists those sources
        // whenever one of these is present.
        case CF_BITMAP:
        case CF_PALETTE:
        case CF_METAFILEPICT:
        // Display-only twins of GDI formats, and owner-drawn content: the
        // data lives in the owner, there is nothing to copy.
        case CF_DSPBITMAP:
        case CF_DSPMETAFILEPICT:
        case CF_DSPENHMETAFILE:
        case CF_OWNERDISPLAY:
            return Storage::Skip;
        case CF_ENHMETAFILE:
            return Storage::EnhancedMetafile;
        default:
            break;
    }
    // Private handles mean something only to their owner, and GDI objects
    // of the GDIOBJ range cannot be copied generically.
    if (format >= CF_PRIVATEFIRST && format <= CF_GDIOBJLAST) return Storage::Skip;
    // Everything else, standard or registered, is an HGLOBAL block.
    return Storage::Memory;
}

bool copyMemory(HANDLE data, std::vector<std::uint8_t>& bytes) {
    const SIZE_T size = GlobalSize(data);
    if (size == 0) return false;  // not a global block after all
    const void* source = GlobalLock(data);
    if (source == nullptr) return false;
    const auto* first = static_cast<const std::uint8_t*>(source);
    bytes.assign(first, first + size);
    GlobalUnlock(data);
    return true;
}

bool copyEnhancedMetafile(HANDLE data, std::vector<std::uint8_t>& bytes) {
    auto metafile = static_cast<HENHMETAFILE>(data);
    const UINT size = GetEnhMetaFileBits(metafile, 0, nullptr);
    if (size == 0) return false;
    bytes.resize(size);
    return GetEnhMetaFileBits(metafile, size, bytes.data()) == size;
}

HGLOBAL globalCopy(const void* data, size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (memory == nullptr) return nullptr;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, data, size);
    GlobalUnlock(memory);
    return memory;
}

// Clipboard open. Ownership of `data` passes to the clipboard only when
// SetClipboardData succeeds; otherwise it is ours to free.
void putFormat(const ClipboardSnapshot::Format& format) {
    if (format.bytes.empty()) return;
    if (storageOf(format.id) == Storage::EnhancedMetafile) {
        HENHMETAFILE metafile =
            SetEnhMetaFileBits(static_cast<UINT>(format.bytes.size()), format.bytes.data());
        if (metafile != nullptr && SetClipboardData(format.id, metafile) == nullptr)
            DeleteEnhMetaFile(metafile);
        return;
    }
    HGLOBAL memory = globalCopy(format.bytes.data(), format.bytes.size());
    if (memory != nullptr && SetClipboardData(format.id, memory) == nullptr) GlobalFree(memory);
}

}  // namespace

WinClipboard::WinClipboard(HWND owner) : owner_(owner) {}

bool WinClipboard::open() {
    for (int attempt = 0;; ++attempt) {
        if (OpenClipboard(owner_)) return true;
        if (attempt + 1 == kOpenAttempts) return false;
        // The program holding the clipboard may be inside GetClipboardData
        // waiting for us to render an offer (a sent message): let sent
        // messages through while we wait, posted ones stay queued.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kOpenRetryMs, QS_SENDMESSAGE);
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

ClipboardSnapshot WinClipboard::save() {
    ClipboardSnapshot snapshot;
    if (!open()) return snapshot;
    // Listing order is kept: readers take the first format they know, so it
    // decides what a restored paste turns into.
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        const Storage storage = storageOf(format);
        if (storage == Storage::Skip) continue;
        // A delayed format of another owner is rendered here, on request.
        HANDLE data = GetClipboardData(format);
        if (data == nullptr) continue;
        ClipboardSnapshot::Format copy;
        copy.id = format;  // registered ids hold for the whole session
        const bool copied = storage == Storage::EnhancedMetafile ? copyEnhancedMetafile(data, copy.bytes)
                                                                 : copyMemory(data, copy.bytes);
        if (copied) snapshot.formats.push_back(std::move(copy));
    }
    CloseClipboard();
    return snapshot;
}

void WinClipboard::restore(const ClipboardSnapshot& snapshot) {
    if (!open()) return;
    EmptyClipboard();
    for (const auto& format : snapshot.formats) putFormat(format);
    CloseClipboard();
}

bool WinClipboard::offerText(const std::string& utf8, const ClipboardSnapshot& userContent) {
    if (!open()) return false;
    // Emptying makes the panel the owner; if it already was, this sends it
    // WM_DESTROYCLIPBOARD, which drops the previous offer: set the new one after.
    EmptyClipboard();
    offered_ = toUtf16(utf8);
    userContent_ = userContent;
    offerPending_ = true;
    offerTaken_ = false;
    // Null data is delayed rendering: the system asks the owner with
    // WM_RENDERFORMAT when a program first reads the format. Unicode first,
    // so readers that know it take the text without loss.
    SetClipboardData(CF_UNICODETEXT, nullptr);
    SetClipboardData(CF_TEXT, nullptr);
    CloseClipboard();
    return true;
}

bool WinClipboard::offeredTextTaken() { return offerTaken_; }

bool WinClipboard::renderOffer(UINT format) {
    if (!offerPending_) return false;
    HGLOBAL memory = nullptr;
    if (format == CF_UNICODETEXT) {
        memory = globalCopy(offered_.c_str(), (offered_.size() + 1) * sizeof(wchar_t));
    } else if (format == CF_TEXT) {
        // The ANSI form of the system code page, as the pasting editor reads it.
        const std::string ansi = fromWide(offered_, CP_ACP);
        memory = globalCopy(ansi.c_str(), ansi.size() + 1);
    }
    if (memory == nullptr) return false;
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

bool WinClipboard::handleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_RENDERFORMAT:
            // Sent by the reading program's GetClipboardData while it holds
            // the clipboard open, so it is rendered without opening it. Being
            // a sent message, it also arrives while the panel dispatches
            // inside its waits, which is when a paste reads it.
            if (renderOffer(static_cast<UINT>(wParam))) offerTaken_ = true;
            return true;
        case WM_RENDERALLFORMATS:
            // The panel's window is going away in the middle of a paste, the
            // offer still unrendered: what the user had goes back, so a paste
            // that comes late gets the user's content, never an empty
            // clipboard. Not when another program has taken the clipboard over.
            if (offerPending_ && OpenClipboard(owner_)) {
                if (GetClipboardOwner() == owner_) {
                    EmptyClipboard();
                    for (const auto& format : userContent_.formats) putFormat(format);
                }
                CloseClipboard();
                offerPending_ = false;
            }
            return true;
        case WM_DESTROYCLIPBOARD:
            // Someone emptied the clipboard: the offer is no longer on it.
            offerPending_ = false;
            offered_.clear();
            return true;
        default:
            return false;
    }
}

}  // namespace quorvane::win32
