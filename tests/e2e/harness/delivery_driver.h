#pragma once
// Driving what the panel puts into the editor: its menu commands, its modal
// dialogs, the tracking timer's click gate, and the clipboard's raw formats.
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "harness/quorvane_app.h"
#include "harness/wait.h"

namespace quorvane::e2e {

// What choosing a menu item sends. Another process cannot open the panel's
// submenus by reading them, so most commands are sent this way.
void chooseMenuCommand(HWND panel, int commandId);

// A visible top-level dialog of the app's process with this caption.
HWND waitForDialog(QuorvaneApp& app, std::string_view caption,
                   std::chrono::milliseconds timeout = kDefaultTimeout);

// Clicks a dialog's button (by control id) as a user would.
bool clickDialogButton(HWND dialog, int controlId);

// Selects the entry of a drop-down list whose text is `text`, as picking it
// would; false when the list has no such entry.
bool selectListEntry(HWND comboBox, std::string_view text);

// The panel takes a press into an editor only 200 ms after the last press it
// took anywhere, by the presses' own times. `lastPressSentBy` is a time
// (GetTickCount) by which the last press had been sent; waits until a press
// sent now is far enough from it.
bool waitForClickGate(DWORD lastPressSentBy);

// The bytes of a clipboard format held in global memory; nullopt when absent.
std::optional<std::string> clipboardData(unsigned format);
// Every format on the clipboard, in the clipboard's order.
std::string clipboardFormatList();

}  // namespace quorvane::e2e
