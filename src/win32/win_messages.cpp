#include "win32/win_messages.h"

#include "platform/form.h"
#include "shell/panel_layout.h"
#include "win32/owned_windows.h"
#include "win32/win_form_host.h"
#include "win32/win_text.h"

namespace quorvane::win32 {
namespace {

constexpr int kAnswerId = 1001;
constexpr int kOkId = 1;

UINT iconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::None:
            return 0;
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::Warning:
            return MB_ICONWARNING;
        case MessageIcon::Question:
            return MB_ICONQUESTION;
    }
    return 0;
}

// The input box: a prompt, one line to type in, "确定" and "取消".
FormLayout inputBox(const std::string& prompt) {
    using Kind = FormControlKind;
    // The answer field first: it is the first Tab stop and takes the focus.
    return {shell::kPanelCaption,
            380,
            150,
            false,
            {
                {Kind::Edit, kAnswerId, "", {12, 84, 348, 24}},
                {Kind::DefaultButton, kOkId, "确定", {276, 12, 84, 26}},
                {Kind::Button, kCloseFormId, "取消", {276, 44, 84, 26}},
                {Kind::Label, 0, prompt, {12, 12, 252, 60}},
            }};
}

class InputBox final : public FormController {
public:
    void clicked(int id, FormView& form) override {
        if (id != kOkId) return;
        answer = form.text(kAnswerId);
        form.close();
    }
    std::optional<std::string> answer;
};

}  // namespace

MessageAnswer WinMessages::show(const std::string& text, MessageIcon icon, const std::string& title,
                                MessageButtons buttons) {
    const UINT style = MB_TASKMODAL | iconStyle(icon) | (buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK);
    const int answer = ownedMessageBox(owner_, toUtf16(text).c_str(), toUtf16(title).c_str(), style);
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<std::string> WinMessages::askText(const std::string& prompt) {
    InputBox box;
    WinFormHost(owner_).run(inputBox(prompt), box);
    return box.answer;
}

}  // namespace quorvane::win32
