#pragma once
// The command tree's Win32 tree view control: does what the core's mirror
// asks and turns the control's notifications into TreeControlEvents. Each
// item carries its TreeItemId as lParam.
#include <optional>

#include <windows.h>
#include <commctrl.h>

#include "platform/tree_control.h"

namespace quorvane::win32 {

class WinTreeControl final : public TreeControl {
public:
    // `tree` is the control, created by the panel with its styles and image list.
    explicit WinTreeControl(HWND tree);

    // WM_NOTIFY from the control, forwarded by its parent window. nullopt when
    // the notification is not handled here; otherwise what the parent's
    // window procedure must return.
    std::optional<LRESULT> handleNotify(const NMHDR& header, TreeControlEvents& events);

    // TreeControl
    TreeControlItem insert(TreeControlItem parent, TreeItemId id, const std::string& label, int image,
                           bool hasButton) override;
    void remove(TreeControlItem item) override;
    void removeAll() override;
    void setLabel(TreeControlItem item, const std::string& label) override;
    void setButton(TreeControlItem item, bool shown) override;
    void expand(TreeControlItem item) override;
    void select(TreeControlItem item) override;
    TreeControlItem selection() override;
    void editLabel(TreeControlItem item) override;
    void setRedraw(bool on) override;

private:
    HWND tree_;
};

}  // namespace quorvane::win32
