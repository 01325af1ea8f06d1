#pragma once
// Keeps Wine from moving the X server's pointer while a test sends input.
//
// Without a low-level mouse hook, every SendInput move also warps the X
// pointer, and the X server answers with pointer events to the windows of
// the other programs; their Wine turns them into moves back to where the
// pointer was, some arriving after newer input. A tree view then takes a
// press for the start of a drag, and the panel's tracking sees the button go
// down over the window the pointer left. With a pass-through hook installed
// (seen under Wine 8), SendInput leaves the X pointer where it is.
#include <windows.h>

namespace quorvane::e2e {

class SteadyPointer {
public:
    SteadyPointer();   // installs a pass-through hook on a thread of its own
    ~SteadyPointer();  // removes it
    SteadyPointer(const SteadyPointer&) = delete;
    SteadyPointer& operator=(const SteadyPointer&) = delete;

    bool installed() const { return installed_; }

private:
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    bool installed_ = false;
};

}  // namespace quorvane::e2e
