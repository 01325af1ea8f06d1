#include "shell/lifecycle.h"

#include <string>
#include <system_error>

#include "settings/settings_keys.h"
#include "settings/startup_settings.h"
#include "shell/menu_layout.h"
#include "store/library_file.h"

namespace quorvane::shell {

Lifecycle::Lifecycle(std::filesystem::path runDirectory, const TextCodec& codec, PanelView& panel,
                     Messages& messages)
    : runDirectory_(std::move(runDirectory)),
      settingsPath_(runDirectory_ / settings::kSettingsFileName),
      panel_(panel),
      messages_(messages),
      ini_(settingsPath_, codec),
      settingsFile_(ini_) {}

std::filesystem::path Lifecycle::libraryPath() const {
    return runDirectory_ / store::kLibraryFileName;
}

void Lifecycle::run(const std::function<void()>& step) {
    if (step) step();
}

bool Lifecycle::startUp() {
    if (stage_ != Stage::Starting) return stage_ == Stage::Running;
    const std::filesystem::path library = libraryPath();
    std::error_code ignored;
    if (!std::filesystem::exists(library, ignored)) {
        // A failed creation leaves no file; the open below then reports it.
        store::createLibrary(library, store::kLibraryPassword);
    }
    if (!commandDb_.Open(dbControl_, library, store::kLibraryPassword)) {
        messages_.show(kOpenLibraryFailedText, MessageIcon::None);
        stage_ = Stage::Ended;
        return false;
    }
    run(seams.loadCommandTree);
    const settings::OptionMenuItems optionItems{commandId(MenuCommand::ToggleCommandHints),
                                                commandId(MenuCommand::ToggleCursorTracking)};
    settings::applyStartupSettings(settingsFile_, optionItems, seams.loadHintPopup, panel_, options_,
                                   geometry_);
    run(seams.installKeyboardWatcher);
    panel_.watchPointer();
    panel_.addTrayIcon();
    stage_ = Stage::Running;
    return true;
}

void Lifecycle::onActivated() {
    if (stage_ != Stage::Running || activatedBefore_) return;
    activatedBefore_ = true;
    if (settings::isTrue(settingsFile_.readPanelSetting(settings::kDescriptionWindowKey, ""))) {
        run(seams.showDescriptionWindow);
    }
}

void Lifecycle::onTrayEvent(TrayEvent event) {
    if (stage_ != Stage::Running || event != TrayEvent::LeftButtonUp) return;
    if (!panel_.isVisible()) panel_.show();
    panel_.bringToFront();
    if (seams.expandPanel) seams.expandPanel(true);
}

void Lifecycle::onPointerOverPanel() {
    if (stage_ != Stage::Running || panel_.isMinimized()) return;
    if (seams.expandPanel) seams.expandPanel(false);
}

void Lifecycle::shutDown() {
    if (stage_ != Stage::Running) return;
    stage_ = Stage::Ended;
    commandDb_.CloseQuery();
    commandDb_.Close();
    if (seams.selectedCategoryNumber) {
        if (const std::optional<int> category = seams.selectedCategoryNumber()) {
            settingsFile_.writeOption(settings::kExpandedCategoryKey, std::to_string(*category));
        }
    }
    run(seams.removeKeyboardWatcher);
    run(seams.destroyHintPopup);
    // A minimized or frameless (shrunk) panel's rectangle is not where the user left it.
    if (panel_.isMinimized() || !panel_.hasNormalFrame()) return;
    const Rect bounds = panel_.bounds();
    settingsFile_.writePanelSetting(settings::kLeftKey, std::to_string(bounds.left));
    settingsFile_.writePanelSetting(settings::kTopKey, std::to_string(bounds.top));
}

}  // namespace quorvane::shell
