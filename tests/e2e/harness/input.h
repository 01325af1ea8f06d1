#pragma once
// Real user input through SendInput: it goes where a user's would, to the
// window under the pointer or the focused window of the foreground.
#include <windows.h>

#include <chrono>
#include <initializer_list>
#include <string_view>

namespace quorvane::e2e {

// How long a finger holds the button in a click.
inline constexpr std::chrono::milliseconds kClickHold{60};

void moveMouse(POINT screen);
void click(POINT screen, std::chrono::milliseconds hold = kClickHold);
void rightClick(POINT screen, std::chrono::milliseconds hold = kClickHold);
// Press and release in one batch, as a touchpad's tap arrives.
void tap(POINT screen);
// Two clicks a moment apart, well inside the system's double-click time.
void doubleClick(POINT screen);
// Presses the left button at `from`, moves to `to` in small steps as a hand
// does, and releases it there.
void drag(POINT from, POINT to);

void keyDown(WORD virtualKey);
void keyUp(WORD virtualKey);
void pressKey(WORD virtualKey);
// Holds every key but the last, presses the last, releases in reverse:
// pressChord({VK_CONTROL, 'V'}).
void pressChord(std::initializer_list<WORD> keys);
// Alt+letter, the keyboard way into a menu bar.
void pressAlt(char letter);
// Types printable ASCII as key strokes, as a user would.
void typeAscii(std::string_view text);
// Types any text (UTF-8) as an input method does: one character at a time,
// each as a Unicode key stroke.
void typeText(std::string_view utf8);

}  // namespace quorvane::e2e
