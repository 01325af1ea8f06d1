#pragma once
// Answers the file dialogs from a script and records what each asked.
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_dialogs.h"

namespace quorvane::fakes {

class FakeFileDialogs : public FileDialogs {
public:
    struct Asked {
        bool save;
        std::string title;
        std::string suggestedName;
        std::string extension;
    };

    std::optional<std::filesystem::path> askFileToSave(const std::string& title, const std::string& suggestedName,
                                                        const FileKind& kind) override {
        asked.push_back({true, title, suggestedName, kind.extension});
        return next();
    }
    std::optional<std::filesystem::path> askFileToOpen(const std::string& title, const FileKind& kind) override {
        asked.push_back({false, title, "", kind.extension});
        return next();
    }

    // The user's choices, in order; nullopt (or none left) plays "cancel".
    std::deque<std::optional<std::filesystem::path>> answers;
    std::vector<Asked> asked;

private:
    std::optional<std::filesystem::path> next() {
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace quorvane::fakes
