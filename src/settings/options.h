#pragma once
// Program-wide values fed by the settings file; all off or 0 at process start.
namespace quorvane::settings {

struct Options {
    bool autoSemicolon = false;
    bool hintsEnabled = false;
    bool addChineseName = false;
};

struct PanelGeometry {
    int panelWidth = 0;
    int panelHeight = 0;
    int shrinkSpeed = 0;
    int shrinkStep = 0;
};

}  // namespace quorvane::settings
