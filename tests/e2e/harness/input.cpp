#include "harness/input.h"

#include <thread>
#include <vector>

#include "harness/text.h"

namespace quorvane::e2e {

namespace {

void send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT mouseInput(DWORD flags, POINT screen) {
    // Absolute coordinates are 0..65535 over the screen; rounded up so the
    // system's scaling back lands on the same pixel.
    const LONG width = GetSystemMetrics(SM_CXSCREEN);
    const LONG height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (screen.x * 65536 + width - 1) / width;
    input.mi.dy = (screen.y * 65536 + height - 1) / height;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return input;
}

INPUT keyInput(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void press(POINT screen, DWORD down, DWORD up, std::chrono::milliseconds hold) {
    send({mouseInput(0, screen), mouseInput(down, screen)});
    // The length of the press is part of the input, like a finger's.
    std::this_thread::sleep_for(hold);
    send({mouseInput(up, screen)});
}

}  // namespace

void moveMouse(POINT screen) {
    send({mouseInput(0, screen)});
}

void click(POINT screen, std::chrono::milliseconds hold) {
    press(screen, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, hold);
}

void rightClick(POINT screen, std::chrono::milliseconds hold) {
    press(screen, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, hold);
}

void tap(POINT screen) {
    send({mouseInput(0, screen), mouseInput(MOUSEEVENTF_LEFTDOWN, screen), mouseInput(MOUSEEVENTF_LEFTUP, screen)});
}

void doubleClick(POINT screen) {
    constexpr std::chrono::milliseconds kHold{30};
    constexpr std::chrono::milliseconds kBetween{80};
    click(screen, kHold);
    std::this_thread::sleep_for(kBetween);
    click(screen, kHold);
}

void drag(POINT from, POINT to) {
    constexpr int kSteps = 10;
    constexpr std::chrono::milliseconds kBetweenSteps{15};
    send({mouseInput(0, from), mouseInput(MOUSEEVENTF_LEFTDOWN, from)});
    for (int step = 1; step <= kSteps; ++step) {
        std::this_thread::sleep_for(kBetweenSteps);
        moveMouse({from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
    }
    std::this_thread::sleep_for(kBetweenSteps);
    send({mouseInput(MOUSEEVENTF_LEFTUP, to)});
}

void keyDown(WORD virtualKey) {
    send({keyInput(virtualKey, false)});
}
void keyUp(WORD virtualKey) {
    send({keyInput(virtualKey, true)});
}
void pressKey(WORD virtualKey) {
    send({keyInput(virtualKey, false), keyInput(virtualKey, true)});
}

void pressChord(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) inputs.push_back(keyInput(key, false));
    for (auto it = keys.end(); it != keys.begin();) inputs.push_back(keyInput(*--it, true));
    send(std::move(inputs));
}

void pressAlt(char letter) {
    const auto key =
        static_cast<WORD>(static_cast<unsigned char>(letter >= 'a' && letter <= 'z' ? letter - 32 : letter));
    pressChord({VK_MENU, key});
}

void typeAscii(std::string_view text) {
    for (const char c : text) {
        const SHORT scan = VkKeyScanW(static_cast<WCHAR>(static_cast<unsigned char>(c)));
        if (scan == -1) continue;
        const auto key = static_cast<WORD>(scan & 0xff);
        if (scan & 0x100)
            pressChord({VK_SHIFT, key});
        else
            pressKey(key);
    }
}

void typeText(std::string_view utf8) {
    for (const wchar_t c : widen(utf8)) {
        std::vector<INPUT> inputs(2);
        for (INPUT& input : inputs) {
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = static_cast<WORD>(c);
            input.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        send(std::move(inputs));
    }
}

}  // namespace quorvane::e2e
