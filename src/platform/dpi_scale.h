#pragma once
// The scale of the monitor a window is on, as the desktop reports it (dots
// per inch), and the one rule by which a designed size becomes pixels there
// and back. Designed sizes are given for 96 DPI, and sizes kept in the
// settings file stay in those units, so the file moves between machines
// unchanged.
#include <cstdint>
#include <limits>

#include "platform/types.h"

namespace quorvane {

inline constexpr int kDesignDpi = 96;

class DpiScale {
public:
    constexpr DpiScale() = default;
    // A value the desktop cannot mean (0 or less) is taken as the designed scale.
    explicit constexpr DpiScale(int dpi) : dpi_(dpi > 0 ? dpi : kDesignDpi) {}

    constexpr int dpi() const { return dpi_; }
    constexpr int toPixels(int designed) const { return mulDiv(designed, dpi_, kDesignDpi); }
    constexpr int toDesigned(int pixels) const { return mulDiv(pixels, kDesignDpi, dpi_); }

    friend constexpr bool operator==(const DpiScale&, const DpiScale&) = default;

private:
    // value × numerator / denominator, rounded to the nearest integer with
    // halves away from zero (as MulDiv rounds), held within int.
    static constexpr int mulDiv(int value, int numerator, int denominator) {
        const std::int64_t product = std::int64_t{value} * numerator;
        const std::int64_t half = denominator / 2;
        const std::int64_t rounded =
            product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
        constexpr std::int64_t low = std::numeric_limits<int>::min();
        constexpr std::int64_t high = std::numeric_limits<int>::max();
        return static_cast<int>(rounded < low ? low : rounded > high ? high : rounded);
    }

    int dpi_ = kDesignDpi;
};

}  // namespace quorvane
