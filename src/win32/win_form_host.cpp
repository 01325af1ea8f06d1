#include "win32/win_form_host.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/dpi_scale.h"
#include "win32/owned_windows.h"
#include "win32/win_dpi.h"
#include "win32/win_text.h"

namespace quorvane::win32 {

namespace {

// Predefined class atoms a dialog template may name instead of a string.
constexpr WORD kButtonAtom = 0x0080;
constexpr WORD kEditAtom = 0x0081;
constexpr WORD kStaticAtom = 0x0082;
constexpr WORD kComboBoxAtom = 0x0085;
// Labels have no id of the form's; they get one from here up, by position.
constexpr int kFirstLabelId = 0xF000;

// Drop-down list height below the closed box: about a dozen entries.
constexpr int kDropDownListHeight = 220;

// Builds the variable-length DLGTEMPLATE / DLGITEMTEMPLATE records. Kept as
// 16-bit words; vector storage is suitably aligned for the DWORD fields.
class TemplateWriter {
public:
    void word(WORD value) { words_.push_back(value); }
    void dword(DWORD value) {
        word(LOWORD(value));
        word(HIWORD(value));
    }
    void text(std::wstring_view value) {
        for (wchar_t c : value) word(static_cast<WORD>(c));
        word(0);
    }
    // Every item record starts on a DWORD boundary.
    void alignDword() {
        if (words_.size() % 2 != 0) word(0);
    }
    std::vector<WORD> take() { return std::move(words_); }

private:
    std::vector<WORD> words_;
};

struct ItemClass {
    WORD atom;  // 0: the class is named
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

ItemClass classOf(FormControlKind kind) {
    switch (kind) {
        case FormControlKind::Label:
            return {kStaticAtom, nullptr, SS_LEFT | SS_NOPREFIX, 0};
        case FormControlKind::Edit:
            return {kEditAtom, nullptr, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
        case FormControlKind::MultilineEdit:
            return {kEditAtom, nullptr, ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case FormControlKind::DropDownList:
            return {kComboBoxAtom, nullptr, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0};
        case FormControlKind::CheckBox:
            return {kButtonAtom, nullptr, BS_AUTOCHECKBOX | WS_TABSTOP, 0};
        case FormControlKind::RadioButton:
            return {kButtonAtom, nullptr, BS_AUTORADIOBUTTON, 0};
        case FormControlKind::Button:
            return {kButtonAtom, nullptr, BS_PUSHBUTTON | WS_TABSTOP, 0};
        case FormControlKind::DefaultButton:
            return {kButtonAtom, nullptr, BS_DEFPUSHBUTTON | WS_TABSTOP, 0};
        case FormControlKind::Link:
            return {0, WC_LINK, WS_TABSTOP, 0};
    }
    return {kStaticAtom, nullptr, 0, 0};
}

int itemId(const FormControl& control, std::size_t index) {
    return control.id > 0 ? control.id : kFirstLabelId + static_cast<int>(index);
}

// A link control shows the part of its text marked as a link.
std::wstring controlText(FormControlKind kind, const std::string& text) {
    if (kind == FormControlKind::Link) return L"<a>" + toUtf16(text) + L"</a>";
    return toUtf16(text);
}

std::vector<WORD> buildTemplate(const FormLayout& layout) {
    TemplateWriter out;
    // No DS_SETFONT: the owner's font is given to each control instead, and
    // positions are set in pixels, so dialog units play no part.
    DWORD style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    if (layout.resizable) style = (style & ~DWORD{DS_MODALFRAME}) | WS_THICKFRAME;
    out.dword(style);
    // A resizable frame would otherwise show the program's icon in its caption, unlike every other dialog.
    out.dword(layout.resizable ? WS_EX_DLGMODALFRAME : 0);
    out.word(static_cast<WORD>(layout.controls.size()));
    for (int i = 0; i < 4; ++i) out.word(0);  // x, y, cx, cy: set at WM_INITDIALOG
    out.word(0);                              // no menu
    out.word(0);                              // the standard dialog class
    out.text(toUtf16(layout.caption));

    bool previousWasRadio = false;
    for (std::size_t index = 0; index < layout.controls.size(); ++index) {
        const FormControl& control = layout.controls[index];
        const ItemClass item = classOf(control.kind);
        DWORD itemStyle = WS_CHILD | WS_VISIBLE | item.style;
        // The dialog manager's arrow keys move within a group and Tab stops
        // at its first control: a run of radio buttons is one group, every
        // other control a group of its own.
        const bool isRadio = control.kind == FormControlKind::RadioButton;
        if (!isRadio || !previousWasRadio) itemStyle |= WS_GROUP;
        if (isRadio && !previousWasRadio) itemStyle |= WS_TABSTOP;
        previousWasRadio = isRadio;

        out.alignDword();
        out.dword(itemStyle);
        out.dword(item.exStyle);
        for (int i = 0; i < 4; ++i) out.word(0);
        out.word(static_cast<WORD>(itemId(control, index)));
        if (item.atom != 0) {
            out.word(0xFFFF);
            out.word(item.atom);
        } else {
            out.text(item.name);
        }
        out.text(controlText(control.kind, control.text));
        out.word(0);  // no creation data
    }
    return out.take();
}

// One open form: the dialog window, its scale, and the view the controller works on.
class OpenForm final : public FormView {
public:
    OpenForm(const FormLayout& layout, FormController& controller, HWND owner)
        : layout_(layout), controller_(controller), owner_(owner), scale_(static_cast<int>(windowDpi(owner))),
          font_(createMessageFontForDpi(static_cast<UINT>(scale_.dpi()))) {}
    ~OpenForm() override {
        if (font_ != nullptr) DeleteObject(font_);
    }
    OpenForm(const OpenForm&) = delete;
    OpenForm& operator=(const OpenForm&) = delete;

    INT_PTR onMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    // FormView
    std::string text(int id) override { return toUtf8(windowText(item(id))); }
    void setText(int id, const std::string& text) override {
        SetWindowTextW(item(id), controlText(kindOf(id), text).c_str());
    }
    bool isChecked(int id) override { return IsDlgButtonChecked(dialog_, id) == BST_CHECKED; }
    void setChecked(int id, bool checked) override {
        const bool radio = (GetWindowLongPtrW(item(id), GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
        // Checking one radio button unchecks the rest of its group, as a click would.
        if (radio && checked) {
            for (HWND other = GetNextDlgGroupItem(dialog_, item(id), FALSE); other != item(id) && other != nullptr;
                 other = GetNextDlgGroupItem(dialog_, other, FALSE))
                SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
        }
        CheckDlgButton(dialog_, id, checked ? BST_CHECKED : BST_UNCHECKED);
    }
    void setItems(int id, const std::vector<std::string>& items) override {
        const HWND list = item(id);
        SendMessageW(list, CB_RESETCONTENT, 0, 0);
        for (const std::string& entry : items)
            SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(toUtf16(entry).c_str()));
    }
    int selectedItem(int id) override {
        const LRESULT index = SendMessageW(item(id), CB_GETCURSEL, 0, 0);
        return index == CB_ERR ? -1 : static_cast<int>(index);
    }
    void selectItem(int id, int index) override { SendMessageW(item(id), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    void setFocus(int id) override {
        // Through the dialog manager, so the default button follows the focus.
        SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(id)), TRUE);
        focusPlaced_ = true;
    }
    void setEnabled(int id, bool enabled) override { EnableWindow(item(id), enabled ? TRUE : FALSE); }
    void setCaption(const std::string& caption) override { SetWindowTextW(dialog_, toUtf16(caption).c_str()); }
    void place(int id, const Rect& place) override {
        int height = scaled(place.height);
        // A drop-down list's window height includes its dropped list; the
        // closed box takes its own height from the font.
        if (kindOf(id) == FormControlKind::DropDownList) height += scaled(kDropDownListHeight);
        MoveWindow(item(id), scaled(place.left), scaled(place.top), scaled(place.width), height, TRUE);
    }
    void close() override { EndDialog(dialog_, IDOK); }

private:
    HWND item(int id) const { return GetDlgItem(dialog_, id); }
    static std::wstring windowText(HWND window) {
        std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
        text.resize(static_cast<size_t>(std::max(GetWindowTextW(window, text.data(), static_cast<int>(text.size())), 0)));
        return text;
    }
    FormControlKind kindOf(int id) const {
        for (const FormControl& control : layout_.controls)
            if (control.id == id) return control.kind;
        return FormControlKind::Label;
    }
    int scaled(int designed) const { return scale_.toPixels(designed); }
    int unscaled(int pixels) const { return scale_.toDesigned(pixels); }
    void initialise(HWND dialog);
    void reportSize() {
        RECT client{};
        GetClientRect(dialog_, &client);
        controller_.resized(unscaled(client.right), unscaled(client.bottom), *this);
    }

    const FormLayout& layout_;
    FormController& controller_;
    HWND owner_;
    DpiScale scale_;
    HFONT font_;
    HWND dialog_ = nullptr;
    bool focusPlaced_ = false;
};

void OpenForm::initialise(HWND dialog) {
    dialog_ = dialog;
    for (std::size_t index = 0; index < layout_.controls.size(); ++index) {
        const FormControl& control = layout_.controls[index];
        const int id = itemId(control, index);
        SendMessageW(item(id), WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        place(id, control.place);
        if (control.maxLength > 0) SendMessageW(item(id), EM_LIMITTEXT, static_cast<WPARAM>(control.maxLength), 0);
    }
    // Sized after the controls are placed: a resizable form's controller then
    // lays them out for this system's client area from the start, rather
    // than at the first drag of the frame.
    placeOverOwner(dialog, owner_, scaled(layout_.width), scaled(layout_.height));
    controller_.opened(*this);
}

INT_PTR OpenForm::onMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            initialise(dialog);
            // TRUE gives the first Tab stop the focus; FALSE keeps where the controller put it.
            return focusPlaced_ ? FALSE : TRUE;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            // Esc and the close box arrive as IDCANCEL, like a "取消" button.
            if (id == kCloseFormId) {
                EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            const bool click = HIWORD(wParam) == BN_CLICKED;
            // Enter with no default button of the form's own arrives as IDOK.
            if (!click || (id == IDOK && kindOf(id) == FormControlKind::Label)) return FALSE;
            controller_.clicked(id, *this);
            return TRUE;
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.code == NM_CLICK || header.code == NM_RETURN) {
                controller_.clicked(static_cast<int>(header.idFrom), *this);
                return TRUE;
            }
            return FALSE;
        }
        case WM_SIZE:
            if (layout_.resizable && dialog_ != nullptr) reportSize();
            return FALSE;
        case WM_GETMINMAXINFO:
            // A resizable form never gets smaller than it was designed.
            if (layout_.resizable && dialog_ != nullptr) {
                auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
                limits.ptMinTrackSize = {scaled(layout_.width), scaled(layout_.height)};
            }
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* form = reinterpret_cast<OpenForm*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return form == nullptr ? FALSE : form->onMessage(dialog, message, wParam, lParam);
}

}  // namespace

void WinFormHost::run(const FormLayout& layout, FormController& controller) {
    const std::vector<WORD> dialogTemplate = buildTemplate(layout);
    OpenForm form(layout, controller, owner_);
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(dialogTemplate.data()),
                            owner_, dialogProc, reinterpret_cast<LPARAM>(&form));
}

}  // namespace quorvane::win32
