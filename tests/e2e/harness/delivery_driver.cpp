#include "harness/delivery_driver.h"

#include "editor_link/target_tracker.h"
#include "harness/input.h"
#include "harness/window_query.h"

namespace quorvane::e2e {

namespace {

constexpr UINT kSendTimeoutMilliseconds = 2000;

}  // namespace

void chooseMenuCommand(HWND panel, int commandId) {
    // lParam 0 marks a menu or accelerator, not a control's notification.
    PostMessageW(panel, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

HWND waitForDialog(QuorvaneApp& app, std::string_view caption, std::chrono::milliseconds timeout) {
    WindowMatch match;
    match.processId = app.process().id();
    match.className = kDialogClass;
    match.title = std::string(caption);
    return waitForTopLevel(match, timeout);
}

bool clickDialogButton(HWND dialog, int controlId) {
    const HWND button = GetDlgItem(dialog, controlId);
    if (button == nullptr || !IsWindowVisible(button)) return false;
    click(windowRect(button).center());
    return true;
}

bool selectListEntry(HWND comboBox, std::string_view text) {
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(comboBox, CB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMilliseconds, &count))
        return false;
    // A drop-down list's window text is its selected entry.
    for (WPARAM index = 0; index < count; ++index) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(comboBox, CB_SETCURSEL, index, 0, SMTO_ABORTIFHUNG, kSendTimeoutMilliseconds,
                            &result);
        if (windowText(comboBox) == text) return true;
    }
    return false;
}

bool waitForClickGate(DWORD lastPressSentBy) {
    return waitUntil([lastPressSentBy] { return GetTickCount() - lastPressSentBy >= editor_link::kTrackingGateMs; });
}

std::optional<std::string> clipboardData(unsigned format) {
    if (!waitUntil([] { return OpenClipboard(nullptr) != 0; }, std::chrono::milliseconds(2000)))
        return std::nullopt;
    std::optional<std::string> bytes;
    if (const HANDLE data = GetClipboardData(format)) {
        if (const auto* first = static_cast<const char*>(GlobalLock(data))) {
            bytes = std::string(first, GlobalSize(data));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return bytes;
}

std::string clipboardFormatList() {
    std::string list;
    if (!OpenClipboard(nullptr)) return "(clipboard busy)";
    for (UINT format = EnumClipboardFormats(0); format != 0; format = EnumClipboardFormats(format)) {
        if (!list.empty()) list += ' ';
        list += std::to_string(format);
    }
    CloseClipboard();
    return list;
}

}  // namespace quorvane::e2e
