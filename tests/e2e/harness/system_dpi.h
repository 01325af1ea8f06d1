#pragma once
// The DPI that Wine gives the programs started in its prefix, from the
// registry value "LogPixels" of HKCU\Control Panel\Desktop. A program reads
// it when it starts, so a change reaches only programs started afterwards.
#include <windows.h>

#include <optional>

namespace quorvane::e2e {

// Programs started while the object lives get `dpi`; afterwards the value
// is as it was.
class SystemDpiForNewPrograms {
public:
    explicit SystemDpiForNewPrograms(DWORD dpi);
    ~SystemDpiForNewPrograms();
    SystemDpiForNewPrograms(const SystemDpiForNewPrograms&) = delete;
    SystemDpiForNewPrograms& operator=(const SystemDpiForNewPrograms&) = delete;

private:
    std::optional<DWORD> previous_;
};

// Removes the value, so programs get the prefix's own DPI: a run that ended
// abruptly inside a SystemDpiForNewPrograms must not leave it to the next.
void clearSystemDpiOverride();

}  // namespace quorvane::e2e
