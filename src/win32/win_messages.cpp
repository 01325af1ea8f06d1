#include "win32/win_messages.h"

#include "shell/panel_layout.h"
#include "win32/dialog_template.h"
#include "win32/owned_windows.h"
#include "win32/win_text.h"

namespace quorvane::win32 {
namespace {

constexpr int kPromptId = 1001;
constexpr int kAnswerId = 1002;

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

}  // namespace

MessageAnswer WinMessages::show(const std::string& text, MessageIcon icon, const std::string& title,
                                MessageButtons buttons) {
    const UINT style = MB_TASKMODAL | iconStyle(icon) | (buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK);
    const int answer = ownedMessageBox(owner_, toUtf16(text).c_str(), toUtf16(title).c_str(), style);
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

std::optional<std::string> WinMessages::askText(const std::string& prompt) {
    std::optional<std::string> answer;
    ModalDialog dialog;
    dialog.caption = toUtf16(shell::kPanelCaption);
    dialog.outerWidth = 380;
    dialog.outerHeight = 150;
    // The answer field first: it is the first Tab stop and takes the focus.
    dialog.controls = {
        {ControlKind::Edit, kAnswerId, L""},
        {ControlKind::DefaultButton, IDOK, L"确定"},
        {ControlKind::Button, IDCANCEL, L"取消"},
        {ControlKind::Label, kPromptId, toUtf16(prompt)},
    };
    dialog.layout = [](const DialogPlacer& at) {
        constexpr int margin = 12;
        constexpr int buttonWidth = 84;
        const int buttonHeight = at.fieldHeight() + 4;
        const int buttonLeft = at.clientWidth() - margin - buttonWidth;
        const int fieldTop = at.clientHeight() - margin - at.fieldHeight();
        at.place(IDOK, buttonLeft, margin, buttonWidth, buttonHeight);
        at.place(IDCANCEL, buttonLeft, margin + buttonHeight + 6, buttonWidth, buttonHeight);
        at.place(kPromptId, margin, margin, buttonLeft - 2 * margin, fieldTop - 2 * margin);
        at.place(kAnswerId, margin, fieldTop, at.clientWidth() - 2 * margin, at.fieldHeight());
    };
    dialog.accept = [&answer](HWND box) { answer = toUtf8(controlText(box, kAnswerId)); };
    HFONT font = font_ != nullptr ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    runModalDialog(owner_, font, dialog);
    return answer;
}

}  // namespace quorvane::win32
