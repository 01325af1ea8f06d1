#pragma once
// Plays the user of the file dialogs: answers with the next file of
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

    std::optional<std::filesystem::path> chooseFileToSave(const std::string& title, const std::string& suggestedName,
                                                          const std::vector<FileTypeFilter>& filters) override {
        suggestedNames.push_back(suggestedName);
        return chooseFileToOpen(title, filters);
    }

    std::deque<std::filesystem::path> choices;
    // One title per dialog, and one suggested name per save dialog among them.
    std::vector<std::string> titles;
    std::vector<std::string> suggestedNames;
    std::vector<FileTypeFilter> lastFilters;
};

}  // namespace quorvane::fakes
