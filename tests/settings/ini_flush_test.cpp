// The temporary must be on the disk before it is renamed over the settings
// file, or a power cut can leave an empty file behind. This test program
// stands in for the C library's fsync to see what was flushed, and when.
#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "ini_fixture.h"

namespace {

struct Flush {
    std::string name;   // the file's name at the time of the flush
    std::string bytes;  // what it held then
};

std::mutex flushesMutex;
std::vector<Flush> flushes;

}  // namespace

// Records the flush, then does what the C library's fsync does.
extern "C" int fsync(int descriptor) {
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    std::error_code error;
    const std::filesystem::path file = std::filesystem::read_symlink(link, error);
    if (!error) {
        const std::lock_guard<std::mutex> lock(flushesMutex);
        flushes.push_back({file.filename().string(), quorvane::settings::testing::bytesOf(file)});
    }
    return static_cast<int>(syscall(SYS_fsync, descriptor));
}

namespace quorvane::settings {
namespace {

using SettingsIniFlush = testing::SettingsIniFileTest;

TEST_F(SettingsIniFlush, TemporaryIsOnTheDiskBeforeItReplacesTheFile) {
    putFile("[xitong]\r\nzdtjfh=\xBC\xD9\r\n");
    flushes.clear();
    ASSERT_TRUE(ini.write("xitong", "zdtjfh", "真"));
    ASSERT_EQ(flushes.size(), 1u);
    EXPECT_EQ(flushes[0].name, "mlkpz.ini.tmp1") << "flushed under its temporary name, so before the rename";
    EXPECT_EQ(flushes[0].bytes, fileBytes());
}

}  // namespace
}  // namespace quorvane::settings
