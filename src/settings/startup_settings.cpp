#include "settings/startup_settings.h"

#include <climits>

#include "settings/settings_keys.h"

namespace quorvane::settings {
namespace {

// The step is a floating-point product turned back into an integer; a speed
// near the int limits would overflow that conversion, so it is held at the limit.
int shrinkStepFor(int shrinkSpeed) {
    const double step = shrinkSpeed * 3.0;
    if (step >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (step <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(step);
}

}  // namespace

void applyStartupSettings(const SettingsFile& file, const OptionMenuItems& items,
                          const std::function<void()>& loadHintPopup, PanelView& panel, Options& options,
                          PanelGeometry& geometry, const DpiScale& scale) {
    if (isTrue(file.readOption(kAutoSemicolonKey, kTrueText))) options.autoSemicolon = true;
    if (loadHintPopup) loadHintPopup();
    if (isTrue(file.readOption(kHintsKey))) {
        panel.setMenuChecked(items.commandHints, true);
        options.hintsEnabled = true;
    }
    if (isTrue(file.readOption(kStayOnTopKey))) panel.setTopmost(true);
    if (isTrue(file.readOption(kAddChineseNameKey))) options.addChineseName = true;
    if (isTrue(file.readOption(kCursorTrackingKey, kTrueText)))
        panel.setMenuChecked(items.cursorTracking, true);

    geometry.panelWidth = toInteger(file.readPanelSetting(kWidthKey, "243"));
    geometry.panelHeight = toInteger(file.readPanelSetting(kHeightKey, "560"));
    Rect bounds = panel.bounds();
    bounds.width = scale.toPixels(geometry.panelWidth);
    bounds.height = scale.toPixels(geometry.panelHeight);
    panel.setBounds(bounds);

    bounds = panel.bounds();
    bounds.left = toInteger(file.readPanelSetting(kLeftKey, "50"));
    panel.setBounds(bounds);
    bounds = panel.bounds();
    bounds.top = toInteger(file.readPanelSetting(kTopKey, "50"));
    panel.setBounds(bounds);

    geometry.shrinkSpeed = toInteger(file.readPanelSetting(kShrinkSpeedKey, "100"));
    geometry.shrinkStep = shrinkStepFor(geometry.shrinkSpeed);
}

}  // namespace quorvane::settings
