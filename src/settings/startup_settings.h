#pragma once
// Applying the settings file when the panel starts, in its fixed order.
#include "platform/dpi_scale.h"
#include "platform/panel_view.h"
#include "settings/options.h"
#include "settings/settings_file.h"

namespace quorvane::settings {

// A false value never turns anything off: it leaves the state at start, which is off.
// The remembered size is in designed units; `scale` makes it the panel's pixels.
void applyStartupSettings(const SettingsFile& file, PanelView& panel, Options& options,
                          PanelGeometry& geometry, const DpiScale& scale);

}  // namespace quorvane::settings
