#pragma once
// Files as the program leaves them: raw bytes, no decoding.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvane::e2e {

// A fresh directory under Wine's temporary folder. Removed with the object
// unless keep() was called, so a failed test leaves its files to look at.
class TempDir {
public:
    explicit TempDir(std::string_view prefix = "quorvane-e2e");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }
    void keep() { keep_ = true; }

private:
    std::filesystem::path path_;
    bool keep_ = false;
};

// nullopt when the file cannot be opened.
std::optional<std::string> readBytes(const std::filesystem::path& file);
void writeBytes(const std::filesystem::path& file, std::string_view bytes);
bool fileExists(const std::filesystem::path& file);
// Names of the entries of a directory, sorted; empty when it is missing.
std::vector<std::string> directoryEntries(const std::filesystem::path& dir);

// A path handed over from the Linux side ("/work/...") as Wine sees it
// ("Z:\work\..."); a Windows path is returned unchanged.
std::filesystem::path fromHostPath(std::string_view path);

// The folder holding this test program (fake_ide.exe is built beside it).
std::filesystem::path testProgramDirectory();

}  // namespace quorvane::e2e
