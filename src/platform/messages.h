#pragma once
#include <optional>
#include <string>

namespace quorvane {

enum class MessageIcon { None, Information, Warning, Question };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// The title a message box carries when it has none of its own.
inline constexpr char kDefaultMessageTitle[] = "信息：";

// The standard message box (task-modal, no owner) and the input box.
class Messages {
public:
    virtual ~Messages() = default;
    virtual MessageAnswer show(const std::string& text, MessageIcon icon = MessageIcon::None,
                               const std::string& title = kDefaultMessageTitle,
                               MessageButtons buttons = MessageButtons::Ok) = 0;
    // Asks for one line of text; nullopt when the user cancels.
    virtual std::optional<std::string> askText(const std::string& prompt) = 0;
};

}  // namespace quorvane
