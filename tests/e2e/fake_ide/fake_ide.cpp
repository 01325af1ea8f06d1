// A stand-in for the IDE the panel types into: a frame holding a classic
// edit view (class "Afx:400000:8") and a hosted editor (a top-level window
// whose class contains "HwndWrapper"). Both are the system's EDIT control
// under another class name, so they keep a caret and show what arrives.
//
// Every character byte and every paste is logged, one line per event,
// written through at once so a test can read the file while this runs:
//   ready frame=<hwnd> edit=<hwnd> wrapper=<hwnd>
//   click <window>            left button pressed in it
//   char <window> <hex byte>  one WM_CHAR, as received
//   paste <window> <hex>      Ctrl+V or WM_PASTE: the clipboard's CF_TEXT bytes
//   paste <window> none       the same when the clipboard held no text
// <window> is "edit" or "wrapper"; hwnds are hex.
//
// Usage: fake_ide.exe --log <file> [--slow-paste] [--slow-keys]
//   --slow-paste  take the clipboard 200 ms after Ctrl+V, like a busy IDE
//   --slow-keys   spend 40 ms on every key press, so typed keys wait in line
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr char kEditClass[] = "Afx:400000:8";
constexpr char kWrapperClass[] = "HwndWrapper[FakeIde;;1]";
constexpr wchar_t kFrameClass[] = L"QuorvaneFakeIdeFrame";
constexpr UINT_PTR kSlowPasteTimer = 1;
constexpr UINT kSlowPasteMilliseconds = 200;
constexpr DWORD kSlowKeyMilliseconds = 40;

struct Ide {
    HANDLE log = INVALID_HANDLE_VALUE;
    bool slowPaste = false;
    bool slowKeys = false;
    WNDPROC editProc = nullptr;  // the EDIT control's procedure, run under both classes
    HWND frame = nullptr;
    HWND edit = nullptr;
    HWND wrapper = nullptr;
};
Ide ide;

void logLine(const std::string& line) {
    const std::string withBreak = line + "\n";
    DWORD written = 0;
    WriteFile(ide.log, withBreak.data(), static_cast<DWORD>(withBreak.size()), &written, nullptr);
}

const char* nameOf(HWND window) {
    return window == ide.wrapper ? "wrapper" : "edit";
}

std::string hex(const std::string& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0x0f];
    }
    return out;
}

std::string hwndText(HWND window) {
    char text[32];
    std::snprintf(text, sizeof text, "%llx",
                  static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
    return text;
}

void paste(HWND window) {
    // The panel may still hold the clipboard for a moment.
    bool opened = false;
    for (int attempt = 0; attempt < 100 && !opened; ++attempt) {
        opened = OpenClipboard(window) != 0;
        if (!opened) Sleep(10);
    }
    if (!opened) {
        logLine(std::string("paste ") + nameOf(window) + " none");
        return;
    }
    bool hasText = false;
    std::string text;
    if (const HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
            hasText = true;
            text.assign(bytes, strnlen(bytes, GlobalSize(data)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    if (!hasText) {
        logLine(std::string("paste ") + nameOf(window) + " none");
        return;
    }
    logLine(std::string("paste ") + nameOf(window) + " " + hex(text));
    CallWindowProcA(ide.editProc, window, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

bool isCtrlV(const MSG& msg) {
    return msg.message == WM_KEYDOWN && msg.wParam == 'V' && GetKeyState(VK_CONTROL) < 0;
}

LRESULT CALLBACK editorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CHAR:
            logLine(std::string("char ") + nameOf(window) + " " +
                    hex(std::string(1, static_cast<char>(wParam & 0xff))));
            break;
        case WM_LBUTTONDOWN:
            logLine(std::string("click ") + nameOf(window));
            break;
        case WM_KEYDOWN:
            if (ide.slowKeys) Sleep(kSlowKeyMilliseconds);
            if (wParam == 'V' && GetKeyState(VK_CONTROL) < 0) {
                if (ide.slowPaste)
                    SetTimer(window, kSlowPasteTimer, kSlowPasteMilliseconds, nullptr);
                else
                    paste(window);
                return 0;
            }
            break;
        case WM_TIMER:
            if (wParam == kSlowPasteTimer) {
                KillTimer(window, kSlowPasteTimer);
                paste(window);
                return 0;
            }
            break;
        case WM_PASTE:
            paste(window);
            return 0;
        case WM_DESTROY:
            if (window == ide.wrapper) PostQuitMessage(0);
            break;
        default:
            break;
    }
    return CallWindowProcA(ide.editProc, window, message, wParam, lParam);
}

LRESULT CALLBACK frameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SIZE:
            if (ide.edit) MoveWindow(ide.edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
            return 0;
        case WM_SETFOCUS:
            if (ide.edit) SetFocus(ide.edit);
            return 0;
        case WM_CLOSE:
            DestroyWindow(ide.wrapper);
            DestroyWindow(window);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

// Registers the EDIT control again under `name`, ANSI, so that WM_CHAR bytes
// arrive exactly as they were posted.
bool registerEditorClass(HINSTANCE instance, const char* name) {
    WNDCLASSA editClass{};
    if (!GetClassInfoA(nullptr, "EDIT", &editClass)) return false;
    ide.editProc = editClass.lpfnWndProc;
    editClass.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
    editClass.lpfnWndProc = editorProc;
    editClass.hInstance = instance;
    editClass.lpszClassName = name;
    return RegisterClassA(&editClass) != 0;
}

bool parseArguments(std::wstring& logPath) {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; i < count; ++i) {
        const std::wstring argument = arguments[i];
        if (argument == L"--log" && i + 1 < count)
            logPath = arguments[++i];
        else if (argument == L"--slow-paste")
            ide.slowPaste = true;
        else if (argument == L"--slow-keys")
            ide.slowKeys = true;
    }
    LocalFree(arguments);
    return !logPath.empty();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::wstring logPath;
    if (!parseArguments(logPath)) return 2;
    ide.log =
        CreateFileW(logPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (ide.log == INVALID_HANDLE_VALUE) return 3;

    if (!registerEditorClass(instance, kEditClass) || !registerEditorClass(instance, kWrapperClass)) return 4;
    WNDCLASSW frameClass{};
    frameClass.lpfnWndProc = frameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    frameClass.lpszClassName = kFrameClass;
    if (!RegisterClassW(&frameClass)) return 4;

    // Right of where the panel sits by default, clear of it.
    constexpr DWORD kEditorStyle = WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
    ide.frame = CreateWindowExW(0, kFrameClass, L"Fake IDE", WS_OVERLAPPEDWINDOW, 420, 40, 600, 360, nullptr,
                                nullptr, instance, nullptr);
    ide.edit = CreateWindowExA(WS_EX_CLIENTEDGE, kEditClass, "", WS_CHILD | WS_VISIBLE | kEditorStyle, 0, 0,
                               100, 100, ide.frame, nullptr, instance, nullptr);
    ide.wrapper = CreateWindowExA(0, kWrapperClass, "Fake IDE Editor", WS_OVERLAPPEDWINDOW | kEditorStyle,
                                  420, 440, 600, 300, nullptr, nullptr, instance, nullptr);
    if (!ide.frame || !ide.edit || !ide.wrapper) return 5;
    ShowWindow(ide.wrapper, SW_SHOWNORMAL);
    ShowWindow(ide.frame, SW_SHOWNORMAL);
    SetForegroundWindow(ide.frame);
    SetFocus(ide.edit);
    logLine("ready frame=" + hwndText(ide.frame) + " edit=" + hwndText(ide.edit) +
            " wrapper=" + hwndText(ide.wrapper));

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Ctrl+V is the paste's business alone: no ^V character behind it.
        if (!isCtrlV(msg)) TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    CloseHandle(ide.log);
    return 0;
}
