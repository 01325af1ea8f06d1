#include "settings/settings_window.h"

#include "settings/settings_keys.h"

namespace quorvane::settings {
namespace {

namespace ids = settings_ids;
using Kind = FormControlKind;

class SettingsWindow final : public FormController {
public:
    SettingsWindow(PanelView& panel, SettingsFile& file, Options& options,
                   const std::function<void()>& loadHintPopupIfNeeded)
        : panel_(panel), file_(file), options_(options), loadHintPopupIfNeeded_(loadHintPopupIfNeeded) {}

    void opened(FormView& form) override {
        form.setChecked(ids::AutoSemicolonBox, options_.autoSemicolon);
        form.setChecked(ids::HintsBox, options_.hintsEnabled);
        // The panel's own state: the file may say otherwise when a write failed.
        form.setChecked(ids::StayOnTopBox, panel_.isTopmost());
        form.setChecked(ids::ChineseNameBox, options_.addChineseName);
    }

    // The box shows its new state already; the file follows it at once.
    void clicked(int id, FormView& form) override {
        switch (id) {
            case ids::AutoSemicolonBox: {
                const bool on = form.isChecked(id);
                file_.writeOption(kAutoSemicolonKey, truthText(on));
                options_.autoSemicolon = on;
                break;
            }
            case ids::HintsBox: {
                const bool on = form.isChecked(id);
                options_.hintsEnabled = on;
                file_.writeOption(kHintsKey, truthText(on));
                if (on && loadHintPopupIfNeeded_) loadHintPopupIfNeeded_();
                break;
            }
            case ids::StayOnTopBox: {
                const bool on = form.isChecked(id);
                file_.writeOption(kStayOnTopKey, truthText(on));
                panel_.setTopmost(on);
                break;
            }
            case ids::ChineseNameBox: {
                const bool on = form.isChecked(id);
                file_.writeOption(kAddChineseNameKey, truthText(on));
                options_.addChineseName = on;
                break;
            }
            case ids::Ok:
                form.close();
                break;
            default:
                break;
        }
    }

private:
    PanelView& panel_;
    SettingsFile& file_;
    Options& options_;
    const std::function<void()>& loadHintPopupIfNeeded_;
};

}  // namespace

FormLayout settingsForm() {
    return {"系统设置",
            332,
            205,
            false,
            {
                {Kind::CheckBox, ids::AutoSemicolonBox, "自动添加分号", {16, 16, 104, 20}},
                {Kind::Label, 0, "说明：此时按“Shift+Enter”为回车", {122, 18, 196, 16}},
                {Kind::CheckBox, ids::HintsBox, "显示命令提示框", {16, 46, 200, 20}},
                {Kind::CheckBox, ids::StayOnTopBox, "窗口总在最前", {16, 76, 200, 20}},
                {Kind::CheckBox, ids::ChineseNameBox, "同时添加中文名", {16, 106, 200, 20}},
                {Kind::DefaultButton, ids::Ok, "确定", {150, 136, 75, 26}},
                {Kind::Button, ids::Close, "关闭", {235, 136, 75, 26}},
            }};
}

void OptionSwitches::showSettingsWindow() {
    SettingsWindow window(panel_, file_, options_, loadHintPopupIfNeeded_);
    forms_.run(settingsForm(), window);
}

void OptionSwitches::toggleCommandHints() {
    const bool mark = !panel_.menuChecked(items_.commandHints);
    panel_.setMenuChecked(items_.commandHints, mark);
    options_.hintsEnabled = mark;
    file_.writeOption(kHintsKey, truthText(mark));
}

void OptionSwitches::toggleCursorTracking() {
    const bool mark = !panel_.menuChecked(items_.cursorTracking);
    panel_.setMenuChecked(items_.cursorTracking, mark);
    file_.writeOption(kCursorTrackingKey, truthText(mark));
}

}  // namespace quorvane::settings
