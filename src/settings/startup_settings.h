#pragma once
// Applying the settings file when the panel starts, in its fixed order.
#include <functional>

#include "platform/dpi_scale.h"
#include "platform/panel_view.h"
#include "settings/options.h"
#include "settings/settings_file.h"

namespace quorvane::settings {

// The menu items whose check marks show options, by command id.
struct OptionMenuItems {
    int commandHints = 0;
    int cursorTracking = 0;
};

// A false value never turns anything off: it leaves the state at start, which
// is off. `loadHintPopup` runs at its step whatever the options say; empty, it
// is skipped. The remembered size is in designed units; `scale` makes it the
// panel's pixels.
void applyStartupSettings(const SettingsFile& file, const OptionMenuItems& items,
                          const std::function<void()>& loadHintPopup, PanelView& panel, Options& options,
                          PanelGeometry& geometry, const DpiScale& scale);

}  // namespace quorvane::settings
