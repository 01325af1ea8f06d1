#pragma once
// Plays the user of the program's dialogs. Each form that opens is handed to
// the next script in `users`, which types, picks and clicks in it as a user
// would; a form the script leaves open is closed by its close box.
#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/form.h"

namespace quorvane::fakes {

class FakeForm : public FormView {
public:
    struct Control {
        FormControlKind kind = FormControlKind::Label;
        std::string text;
        bool checked = false;
        std::vector<std::string> items;
        int selected = -1;
        Rect place;
        int maxLength = 0;
        bool enabled = true;
    };

    FakeForm(const FormLayout& layout, FormController& controller) : caption(layout.caption), controller_(controller) {
        for (const FormControl& c : layout.controls) {
            if (c.id <= 0) continue;  // a label nobody reads
            order_.push_back(c.id);
            controls[c.id] = Control{c.kind, c.text, false, {}, -1, c.place, c.maxLength};
        }
    }

    // The user's side.
    void type(int id, const std::string& text) {
        Control& c = at(id);
        if (!c.enabled) return ADD_FAILURE() << "control " << id << " is disabled";
        // An edit box takes no more characters than its limit (UTF-8 here: count code points).
        c.text = c.maxLength > 0 ? truncated(text, c.maxLength) : text;
    }
    // The first entry with this text.
    void pick(int id, const std::string& entry) {
        Control& c = at(id);
        for (std::size_t i = 0; i < c.items.size(); ++i) {
            if (c.items[i] != entry) continue;
            c.selected = static_cast<int>(i);
            return;
        }
    }
    void click(int id) {
        Control& c = at(id);
        if (c.kind == FormControlKind::CheckBox) c.checked = !c.checked;
        if (c.kind == FormControlKind::RadioButton) checkRadio(id);
        controller_.clicked(id, *this);
    }
    void pressEnter() {
        for (const int id : order_)
            if (at(id).kind == FormControlKind::DefaultButton) return click(id);
    }

    // FormView
    std::string text(int id) override {
        const Control& c = at(id);
        if (c.kind == FormControlKind::DropDownList) return c.selected >= 0 ? c.items[c.selected] : std::string();
        return c.text;
    }
    void setText(int id, const std::string& text) override { at(id).text = text; }
    bool isChecked(int id) override { return at(id).checked; }
    void setChecked(int id, bool checked) override {
        if (checked && at(id).kind == FormControlKind::RadioButton) return checkRadio(id);
        at(id).checked = checked;
    }
    void setItems(int id, const std::vector<std::string>& items) override {
        at(id).items = items;
        at(id).selected = -1;
    }
    int selectedItem(int id) override { return at(id).selected; }
    void selectItem(int id, int index) override { at(id).selected = index; }
    void setFocus(int id) override { focus = id; }
    void setEnabled(int id, bool enabled) override { at(id).enabled = enabled; }
    void setCaption(const std::string& text) override { caption = text; }
    void place(int id, const Rect& place) override { at(id).place = place; }
    void close() override { closed = true; }

    Control& at(int id) {
        const auto found = controls.find(id);
        if (found == controls.end()) ADD_FAILURE() << "the form has no control " << id;
        return controls[id];
    }

    std::map<int, Control> controls;
    std::string caption;
    int focus = 0;
    bool closed = false;

private:
    // A run of radio buttons is one group: checking one clears the others.
    void checkRadio(int id) {
        auto it = std::find(order_.begin(), order_.end(), id);
        auto first = it;
        while (first != order_.begin() && at(*(first - 1)).kind == FormControlKind::RadioButton) --first;
        for (auto each = first; each != order_.end() && at(*each).kind == FormControlKind::RadioButton; ++each)
            at(*each).checked = *each == id;
    }
    static std::string truncated(const std::string& text, int maxCharacters) {
        int characters = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && characters++ == maxCharacters)
                return text.substr(0, i);
        }
        return text;
    }

    FormController& controller_;
    std::vector<int> order_;
};

class FakeFormHost : public FormHost {
public:
    using User = std::function<void(FakeForm&)>;

    void run(const FormLayout& layout, FormController& controller) override {
        opened.push_back(layout);
        FakeForm form(layout, controller);
        controller.opened(form);
        if (!users.empty()) {
            const User user = std::move(users.front());
            users.pop_front();
            user(form);
        }
        last.emplace_back(form.controls, form.caption, form.closed);
    }

    // What the user does in each form, in the order the forms open.
    std::deque<User> users;
    std::vector<FormLayout> opened;
    // Each form as it was when it closed: its controls, caption, and whether the program closed it.
    struct Closed {
        Closed(std::map<int, FakeForm::Control> c, std::string t, bool p)
            : controls(std::move(c)), caption(std::move(t)), closedByProgram(p) {}
        std::map<int, FakeForm::Control> controls;
        std::string caption;
        bool closedByProgram;
    };
    std::vector<Closed> last;
};

}  // namespace quorvane::fakes
