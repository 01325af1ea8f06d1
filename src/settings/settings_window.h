#pragma once
// Where the user switches the options: the window "系统设置" with its four
// check boxes, and the menu items "命令提示" and "光标跟踪", whose check marks
// show their options. Every change takes effect and is written at once;
// there is nothing to apply or cancel.
#include <functional>
#include <utility>

#include "platform/form.h"
#include "platform/panel_view.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "settings/startup_settings.h"

namespace quorvane::settings {

namespace settings_ids {
inline constexpr int Ok = 1;
inline constexpr int Close = kCloseFormId;
inline constexpr int AutoSemicolonBox = 1701;
inline constexpr int HintsBox = 1702;
inline constexpr int StayOnTopBox = 1703;
inline constexpr int ChineseNameBox = 1704;
}  // namespace settings_ids

FormLayout settingsForm();

class OptionSwitches {
public:
    // `loadHintPopupIfNeeded` runs when hints are switched on in the window.
    OptionSwitches(FormHost& forms, PanelView& panel, SettingsFile& file, Options& options, OptionMenuItems items,
                   std::function<void()> loadHintPopupIfNeeded)
        : forms_(forms),
          panel_(panel),
          file_(file),
          options_(options),
          items_(items),
          loadHintPopupIfNeeded_(std::move(loadHintPopupIfNeeded)) {}

    // "系统设置": the window, modally; returns when it has closed.
    void showSettingsWindow();
    // The menu item "命令提示": flips its mark and the option with it. The
    // window's box sets the option alone, so mark and option may differ
    // until the item is chosen again.
    void toggleCommandHints();
    // The menu item "光标跟踪": its mark is the option.
    void toggleCursorTracking();

private:
    FormHost& forms_;
    PanelView& panel_;
    SettingsFile& file_;
    Options& options_;
    OptionMenuItems items_;
    std::function<void()> loadHintPopupIfNeeded_;
};

}  // namespace quorvane::settings
