#include "shell/lifecycle.h"

#include <string>
#include <system_error>

#include "platform/utf8_path.h"
#include "settings/file_io.h"
#include "settings/settings_keys.h"
#include "settings/startup_settings.h"
#include "shell/library_restore.h"
#include "shell/menu_layout.h"

namespace quorvane::shell {

namespace {

// Making a file there is the only sure test: the permissions a folder shows
// need not be the ones the system applies.
bool directoryAcceptsFiles(const std::filesystem::path& directory) {
    const std::filesystem::path probe = directory / "Cmlsjk.mdb.write-test";
    if (!settings::writeNewFile(probe, {})) return false;
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return true;
}

}  // namespace

std::string starterHintsNotice(std::size_t count) {
    return "新建的命令数据库已带有 " + std::to_string(count) + " 个命令提示：Windows API 和 C/C++ 标准库的函数名";
}

settings::OptionMenuItems optionMenuItems() {
    return {commandId(MenuCommand::ToggleCommandHints), commandId(MenuCommand::ToggleCursorTracking)};
}

Lifecycle::Lifecycle(std::filesystem::path runDirectory, const TextCodec& codec, PanelView& panel,
                     Messages& messages)
    : runDirectory_(std::move(runDirectory)),
      settingsPath_(runDirectory_ / settings::kSettingsFileName),
      panel_(panel),
      messages_(messages),
      ini_(settingsPath_, codec),
      settingsFile_(ini_),
      scale_(panel.dpi()) {}

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
        const std::vector<store::HintWord> starter =
            seams.starterHintWords ? seams.starterHintWords() : std::vector<store::HintWord>();
        if (store::createLibrary(library, store::kLibraryPassword, starter) && !starter.empty())
            notices_.push_back(starterHintsNotice(starter.size()));
    }
    if (!commandDb_.Open(dbControl_, library, store::kLibraryPassword)) {
        // With a backup at hand the user may put it in place, and the start goes on.
        const bool restored = offerBackupRestore(messages_, library, kOpenLibraryFailedText);
        if (!restored || !commandDb_.Open(dbControl_, library, store::kLibraryPassword)) {
            if (restored) messages_.show(kOpenLibraryFailedText, MessageIcon::None);
            stage_ = Stage::Ended;
            return false;
        }
    }
    // A damaged page read as the end of the rows would show part of the tree
    // and take later writes into the damaged file.
    if (!commandDb_.quickCheck()) return refuseDamagedLibrary();
    run(seams.loadCommandTree);
    if (commandDb_.failed()) return refuseDamagedLibrary();
    noteIfLibraryCannotBeWritten();
    // Writers killed before their rename leave these behind.
    ini_.removeStaleTemporaries();
    settings::applyStartupSettings(settingsFile_, optionMenuItems(), seams.loadHintPopup, panel_, options_,
                                   geometry_, scale_);
    run(seams.installKeyboardWatcher);
    panel_.watchPointer();
    panel_.addTrayIcon();
    stage_ = Stage::Running;
    return true;
}

bool Lifecycle::refuseDamagedLibrary() {
    commandDb_.CloseQuery();
    commandDb_.Close();
    // The tree may hold part of the damaged file: after a restore the program starts again from the beginning.
    offerBackupRestore(messages_, libraryPath(), std::string(kLibraryDamagedText) + "\r\n" + utf8Of(libraryPath()),
                       MessageIcon::Warning, kStartAgainText);
    stage_ = Stage::Ended;
    return false;
}

void Lifecycle::noteIfLibraryCannotBeWritten() {
    const std::string path = utf8Of(libraryPath());
    if (dbControl_.isReadOnly()) {
        notices_.push_back(kReadOnlyLibraryText + path);
        return;
    }
    // Every change also writes a journal beside the library.
    if (!directoryAcceptsFiles(runDirectory_)) notices_.push_back(kReadOnlyFolderText + utf8Of(runDirectory_));
}

void Lifecycle::onActivated() {
    if (stage_ != Stage::Running || activatedBefore_) return;
    activatedBefore_ = true;
    if (settings::isTrue(settingsFile_.readPanelSetting(settings::kDescriptionWindowKey, ""))) {
        run(seams.showDescriptionWindow);
    }
}

void Lifecycle::onTrayEvent(TrayEvent event) {
    if (stage_ != Stage::Running) return;
    switch (event) {
        case TrayEvent::LeftButtonUp:
            callUpPanel();
            break;
        case TrayEvent::RightButton:
            panel_.popUpTrayMenu();
            break;
        case TrayEvent::DoubleClick:
            break;
    }
}

void Lifecycle::callUpPanel() {
    if (stage_ != Stage::Running) return;
    if (!panel_.isVisible()) panel_.show();
    if (panel_.isMinimized()) panel_.restore();
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
    // A minimized or frameless (shrunk) panel's rectangle is not where the
    // user left it; a shrunk one was left where it began to shrink.
    if (panel_.isMinimized()) return;
    std::optional<Point> place;
    if (panel_.hasNormalFrame()) {
        const Rect bounds = panel_.bounds();
        place = Point{bounds.left, bounds.top};
    } else if (seams.placeBeforeShrink) {
        place = seams.placeBeforeShrink();
    }
    if (!place) return;
    settingsFile_.writePanelSetting(settings::kLeftKey, std::to_string(place->x));
    settingsFile_.writePanelSetting(settings::kTopKey, std::to_string(place->y));
}

}  // namespace quorvane::shell
