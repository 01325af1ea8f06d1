#pragma once
// Plays the user of the open-file dialog: answers with the next file of
// `choices`, or cancels when none is left.
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

namespace quorvane::fakes {

class FakeFileDialogs : public FileDialogs {
public:
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string& title,
                                                          const std::vector<FileTypeFilter>& filters) override {
        titles.push_back(title);
        lastFilters = filters;
        if (choices.empty()) return std::nullopt;
        std::filesystem::path chosen = choices.front();
        choices.pop_front();
        return chosen;
    }

    std::deque<std::filesystem::path> choices;
    std::vector<std::string> titles;
    std::vector<FileTypeFilter> lastFilters;
};

}  // namespace quorvane::fakes
