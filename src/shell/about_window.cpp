#include "shell/about_window.h"

#include <system_error>

#include "platform/utf8_path.h"

namespace quorvane::shell {

namespace {

using Kind = FormControlKind;

class AboutWindow final : public FormController {
public:
    AboutWindow(SystemShell& system, Messages& messages, const std::filesystem::path& runDirectory)
        : system_(system), messages_(messages), runDirectory_(runDirectory) {}

    void opened(FormView& form) override {
        form.setText(about_ids::Version, "版本：" + system_.programVersion());
        form.setFocus(about_ids::Ok);
    }

    void clicked(int id, FormView& form) override {
        switch (id) {
            case about_ids::LibraryFolderLink:
                system_.open(utf8Of(runDirectory_));
                break;
            case about_ids::UsageLink: {
                const std::filesystem::path page = runDirectory_ / kUsagePageFileName;
                std::error_code ignored;
                // The system would open nothing, and say nothing either.
                if (!std::filesystem::is_regular_file(page, ignored)) {
                    messages_.show(kUsagePageMissingText + utf8Of(page), MessageIcon::Information);
                    break;
                }
                system_.open(utf8Of(page));
                break;
            }
            case about_ids::Ok:
                form.close();
                break;
            default:
                break;
        }
    }

private:
    SystemShell& system_;
    Messages& messages_;
    const std::filesystem::path& runDirectory_;
};

}  // namespace

FormLayout aboutForm() {
    return {"关于",
            378,
            152,
            false,
            {
                {Kind::Label, about_ids::Version, "版本：", {14, 10, 200, 16}},
                {Kind::Label, 0, "作者：", {14, 33, 40, 18}},
                {Kind::Label, about_ids::Author, "Quorvane 开发组", {55, 33, 160, 18}},
                {Kind::Link, about_ids::LibraryFolderLink, "打开命令库所在的文件夹", {10, 61, 200, 18}},
                {Kind::Link, about_ids::UsageLink, "使用说明", {8, 89, 214, 18}},
                {Kind::DefaultButton, about_ids::Ok, "确定", {272, 80, 88, 30}},
            }};
}

void showAboutWindow(FormHost& forms, SystemShell& system, Messages& messages,
                     const std::filesystem::path& runDirectory) {
    AboutWindow about(system, messages, runDirectory);
    forms.run(aboutForm(), about);
}

}  // namespace quorvane::shell
