#include "shell/description_window.h"

#include "settings/settings_keys.h"

namespace quorvane::shell {

void showUsageNote(Messages& messages) {
    messages.show(kUsageNoteText, MessageIcon::None, kUsageNoteTitle, MessageButtons::Ok);
}

DescriptionWindow::DescriptionWindow(DescriptionWindowView& window, InfoBoxView& infoBox, PanelView& panel,
                                     settings::SettingsFile& settings, const DpiScale& scale)
    : window_(window), infoBox_(infoBox), panel_(panel), settings_(settings), scale_(scale) {}

void DescriptionWindow::show() {
    const bool newlyLoaded = !window_.isLoaded();
    if (newlyLoaded) {
        window_.load(scale_.toPixels(kDescriptionWindowWidth), scale_.toPixels(kDescriptionWindowHeight));
        // A settings file that cannot be written only loses the remembered state.
        settings_.writePanelSetting(settings::kDescriptionWindowKey, settings::kTrueText);
    }
    const Rect panel = panel_.bounds();
    window_.moveTo({panel.left, panel.top + panel.height});
    // Shown only once it stands in its place, so it never flashes elsewhere.
    if (newlyLoaded) window_.show();
}

void DescriptionWindow::closing() {
    settings_.writePanelSetting(settings::kDescriptionWindowKey, settings::kFalseText);
}

bool DescriptionWindow::onInfoBoxMenu(MenuCommand command) {
    switch (command) {
        case MenuCommand::CopySelection:
            infoBox_.copySelection();
            return true;
        case MenuCommand::SelectAllCopy:
            infoBox_.selectAll();
            infoBox_.copySelection();
            return true;
        case MenuCommand::ShowInNewWindow:
            show();
            return true;
        default:
            return false;
    }
}

bool DescriptionWindow::descriptionWindowLoaded() {
    return window_.isLoaded();
}

void DescriptionWindow::setDescriptionWindowText(const std::string& text) {
    window_.setText(text);
}

void DescriptionWindow::setInfoText(const std::string& text) {
    infoBox_.setText(text);
}

}  // namespace quorvane::shell
