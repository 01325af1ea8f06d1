#pragma once
// Plain value types shared by the core and the platform layer.
#include <cstdint>

namespace quorvane {

// Opaque handle of a window of any program; 0 means none.
using WindowHandle = std::uintptr_t;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace quorvane
