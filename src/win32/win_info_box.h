#pragma once
// The panel's info box, as the core's descriptions and the "编框" menu reach
// it. The panel creates the control; this only talks to it.
#include <string>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "platform/description_window_view.h"

namespace quorvane::win32 {

class WinInfoBox final : public InfoBoxView {
public:
    explicit WinInfoBox(HWND box) : box_(box) {}

    void setText(const std::string& utf8) override;
    void copySelection() override;
    void selectAll() override;

private:
    HWND box_;
};

}  // namespace quorvane::win32
