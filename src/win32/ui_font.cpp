#include "win32/ui_font.h"

namespace quorvane::win32 {

HFONT createMessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

}  // namespace quorvane::win32
