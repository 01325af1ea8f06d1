#pragma once
// Records every message box and answers input boxes from a script.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/messages.h"

namespace quorvane::fakes {

class FakeMessages : public Messages {
public:
    struct Shown {
        std::string text;
        MessageIcon icon;
        std::string title;
        MessageButtons buttons;
    };

    MessageAnswer show(const std::string& text, MessageIcon icon, const std::string& title,
                       MessageButtons buttons) override {
        shown.push_back({text, icon, title, buttons});
        return buttons == MessageButtons::YesNo ? nextAnswer : MessageAnswer::Ok;
    }
    std::optional<std::string> askText(const std::string& prompt) override {
        prompts.push_back(prompt);
        if (inputs.empty()) return std::nullopt;
        auto answer = inputs.front();
        inputs.pop_front();
        return answer;
    }

    std::vector<Shown> shown;
    std::vector<std::string> prompts;
    // Answers for input boxes, in order; nullopt plays "cancel".
    std::deque<std::optional<std::string>> inputs;
    MessageAnswer nextAnswer = MessageAnswer::Yes;
};

}  // namespace quorvane::fakes
