#pragma once
// DescriptionWindow and the info box: where a description is shown, the
// window's remembered open state ("提示窗"), its place below the panel, the
// info box's popup menu "编框", and the usage note of the help menu.
#include "platform/description_view.h"
#include "platform/description_window_view.h"
#include "platform/dpi_scale.h"
#include "platform/messages.h"
#include "platform/panel_view.h"
#include "settings/settings_file.h"
#include "shell/menu_layout.h"

namespace quorvane::shell {

inline constexpr char kDescriptionWindowCaption[] = "命令说明";
// Outer size; the text box fills whatever client area that leaves.
inline constexpr int kDescriptionWindowWidth = 600;
inline constexpr int kDescriptionWindowHeight = 179;

// Menu item "说明" of "帮助(&B)": OK only, no icon.
inline constexpr char kUsageNoteText[] = "命令名后加“{}”时，双击命令将发送说明内容。";
inline constexpr char kUsageNoteTitle[] = "说明：";
void showUsageNote(Messages& messages);

class DescriptionWindow final : public DescriptionView {
public:
    // `scale` is the panel's, read whenever the window is made.
    DescriptionWindow(DescriptionWindowView& window, InfoBoxView& infoBox, PanelView& panel,
                      settings::SettingsFile& settings, const DpiScale& scale);
    DescriptionWindow(const DescriptionWindow&) = delete;
    DescriptionWindow& operator=(const DescriptionWindow&) = delete;

    // showDescriptionWindow: loads the window when it is not loaded, and in
    // every case puts it directly below the panel's outer frame.
    void show();
    // The user is closing the window; the window layer destroys it afterwards.
    void closing();
    // The items of "编框"; false for any other command.
    bool onInfoBoxMenu(MenuCommand command);

    // DescriptionView
    bool descriptionWindowLoaded() override;
    void setDescriptionWindowText(const std::string& text) override;
    void setInfoText(const std::string& text) override;

private:
    DescriptionWindowView& window_;
    InfoBoxView& infoBox_;
    PanelView& panel_;
    settings::SettingsFile& settings_;
    const DpiScale& scale_;
};

}  // namespace quorvane::shell
