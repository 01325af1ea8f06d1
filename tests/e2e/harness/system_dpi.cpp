#include "harness/system_dpi.h"

namespace quorvane::e2e {
namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";
constexpr wchar_t kLogPixels[] = L"LogPixels";

void writeLogPixels(DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, REG_DWORD, &dpi, sizeof dpi);
}

}  // namespace

SystemDpiForNewPrograms::SystemDpiForNewPrograms(DWORD dpi) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
        ERROR_SUCCESS)
        previous_ = value;
    writeLogPixels(dpi);
}

SystemDpiForNewPrograms::~SystemDpiForNewPrograms() {
    if (previous_)
        writeLogPixels(*previous_);
    else
        clearSystemDpiOverride();
}

void clearSystemDpiOverride() {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, kLogPixels);
}

}  // namespace quorvane::e2e
