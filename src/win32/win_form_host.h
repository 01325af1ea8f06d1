#pragma once
// Shows the core's forms as modal dialogs: an in-memory dialog template run
// by the system's dialog manager, which gives Tab order, Enter for the
// default button, Esc and the close box, and a disabled owner for free.
// Controls go where the form says, scaled from 96 DPI to the owner's
// monitor, in the system's message font made for that DPI.
#include <windows.h>

#include "platform/form.h"

namespace quorvane::win32 {

class WinFormHost final : public FormHost {
public:
    // `owner` is the panel.
    explicit WinFormHost(HWND owner) : owner_(owner) {}

    void run(const FormLayout& layout, FormController& controller) override;

private:
    HWND owner_;
};

}  // namespace quorvane::win32
