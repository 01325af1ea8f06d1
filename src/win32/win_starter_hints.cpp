#include "win32/win_starter_hints.h"

#include <windows.h>

namespace quorvane::win32 {

std::string_view WinStarterHints::text() {
    // A resource of the exe stays mapped for the life of the process, so
    // the view needs no copy and nothing to free.
    const HRSRC resource = FindResourceW(nullptr, L"STARTER_HINTS", RT_RCDATA);
    if (resource == nullptr) return {};
    const HGLOBAL loaded = LoadResource(nullptr, resource);
    const auto* bytes = loaded != nullptr ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes == nullptr) return {};
    return {bytes, static_cast<std::size_t>(SizeofResource(nullptr, resource))};
}

}  // namespace quorvane::win32
