#pragma once
// The spine of the program: start-up, first activation, the tray icon's
// clicks and shut-down, each in its fixed order. Owns the program-wide state
// that lives from start-up to shut-down: the library connection, the
// settings file, the options, the panel geometry and the panel's scale.
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dpi_scale.h"
#include "platform/messages.h"
#include "platform/panel_view.h"
#include "platform/text_codec.h"
#include "settings/ini_file.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "settings/startup_settings.h"
#include "store/db_connection.h"
#include "store/library_file.h"
#include "store/record_store.h"

namespace quorvane::shell {

inline constexpr char kOpenLibraryFailedText[] = "打开命令数据库失败";
// Followed by a line break and the library's path.
inline constexpr char kLibraryDamagedText[] = "命令数据库已损坏";
inline constexpr char kReadOnlyLibraryText[] = "命令数据库文件是只读的，所做的修改无法保存：";
inline constexpr char kReadOnlyFolderText[] = "命令数据库所在的文件夹不能写入，所做的修改无法保存：";

// The info box's word on a library made with the starter set of hint words.
std::string starterHintsNotice(std::size_t count);

// The menu items whose check marks are options.
settings::OptionMenuItems optionMenuItems();

// The mouse events of the notification-area icon, by kind.
enum class TrayEvent { LeftButtonUp = 1, DoubleClick = 2, RightButton = 3 };

// Steps that belong to other subsystems. The panel fills them; an empty one
// is skipped.
struct LifecycleSeams {
    // Start-up, when the library is missing: the hint words it is made with.
    std::function<std::vector<store::HintWord>()> starterHintWords;
    // Start-up, after the library is open and before the settings are applied.
    std::function<void()> loadCommandTree;
    // Start-up, while the settings are applied, whatever they say.
    std::function<void()> loadHintPopup;
    // Start-up, after the settings; the pointer watch and the tray icon follow.
    std::function<void()> installKeyboardWatcher;
    // First activation, when "提示窗" says the window was open.
    std::function<void()> showDescriptionWindow;
    // Brings a panel collapsed at a screen edge back out.
    std::function<void(bool keepTimerStopped)> expandPanel;
    // Shut-down: the 序号 of the category holding the tree's selection; nullopt with no selection.
    std::function<std::optional<int>()> selectedCategoryNumber;
    // Shut-down of a panel shrunk at an edge: where it was before it shrank;
    // nullopt leaves the saved place as it is.
    std::function<std::optional<Point>()> placeBeforeShrink;
    std::function<void()> removeKeyboardWatcher;
    std::function<void()> destroyHintPopup;
};

class Lifecycle {
public:
    enum class Stage { Starting, Running, Ended };

    // `runDirectory` holds the executable; the library and the settings file live there.
    Lifecycle(std::filesystem::path runDirectory, const TextCodec& codec, PanelView& panel,
              Messages& messages);
    Lifecycle(const Lifecycle&) = delete;
    Lifecycle& operator=(const Lifecycle&) = delete;

    LifecycleSeams seams;

    // The start-up sequence, once the panel and its controls exist. False when
    // the library could not be opened or is damaged: the message has been
    // shown, nothing was written, and the program is to end.
    bool startUp();
    // What the user should know once the panel shows (a library that cannot
    // be written, ...), one line each; empty when all is well.
    const std::vector<std::string>& notices() const { return notices_; }
    // A notice of a start-up step the panel runs itself.
    void addNotice(std::string notice) { notices_.push_back(std::move(notice)); }
    // Every activation of the panel; only the first one acts.
    void onActivated();
    // A left click shows the panel; a right click opens the tray menu.
    void onTrayEvent(TrayEvent event);
    // The tray icon calls the panel up: shown, restored when minimized, in
    // front and out of its strip, with the shrink timer left stopped.
    void callUpPanel();
    // The pointer moved over the panel or one of its controls.
    void onPointerOverPanel();
    // The shut-down sequence, when the panel is about to be destroyed. Does
    // nothing unless start-up succeeded, and runs once.
    void shutDown();

    Stage stage() const { return stage_; }
    const std::filesystem::path& runDirectory() const { return runDirectory_; }
    const std::filesystem::path& settingsPath() const { return settingsPath_; }
    std::filesystem::path libraryPath() const;

    store::RecordStore& commandDb() { return commandDb_; }
    settings::SettingsFile& settings() { return settingsFile_; }
    settings::Options& options() { return options_; }
    settings::PanelGeometry& geometry() { return geometry_; }
    // The scale of the panel's monitor; designed sizes become pixels by it.
    DpiScale& scale() { return scale_; }
    const DpiScale& scale() const { return scale_; }

private:
    static void run(const std::function<void()>& step);
    // Closes the library and ends the start-up with the damage message.
    bool refuseDamagedLibrary();
    void noteIfLibraryCannotBeWritten();

    std::filesystem::path runDirectory_;
    // Fixed with the run directory, before anything can read the file.
    std::filesystem::path settingsPath_;
    PanelView& panel_;
    Messages& messages_;
    settings::IniFile ini_;
    settings::SettingsFile settingsFile_;
    // The connection through which commandDb reaches the library.
    store::DbConnection dbControl_;
    store::RecordStore commandDb_;
    settings::Options options_;
    settings::PanelGeometry geometry_;
    DpiScale scale_;
    Stage stage_ = Stage::Starting;
    bool activatedBefore_ = false;
    std::vector<std::string> notices_;
};

}  // namespace quorvane::shell
