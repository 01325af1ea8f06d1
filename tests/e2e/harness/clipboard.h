#pragma once
// The clipboard as the fake IDE and the panel see it.
#include <optional>
#include <string>
#include <string_view>

namespace quorvane::e2e {

// Replaces the clipboard by CF_TEXT holding these bytes (a zero byte is added).
bool setClipboardText(std::string_view bytes);
// Replaces the clipboard by a small picture (CF_DIB) and nothing else.
bool setClipboardPicture();
// CF_TEXT bytes without the terminating zero; nullopt when there is none.
std::optional<std::string> clipboardText();
bool clipboardHasFormat(unsigned format);

}  // namespace quorvane::e2e
