// Several writers of one settings file: other instances of the program, or
// objects of one process. None may lose another's key, and none waits forever.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ini_fixture.h"
#include "settings/file_io.h"

namespace quorvane::settings {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr int kKeysEach = 100;

std::string keyName(char writer, int number) {
    return std::string(1, writer) + std::to_string(number);
}

// A writer of its own: its own object, its own codec, as another instance has.
bool writeKeys(const fs::path& path, char writer) {
    fakes::FakeTextCodec codec;
    IniFile ini(path, codec);
    bool allWritten = true;
    for (int i = 0; i < kKeysEach; ++i)
        allWritten = ini.write("xitong", keyName(writer, i), "v") && allWritten;
    return allWritten;
}

// The exit status of a child process, or nullopt when it has not ended in time.
std::optional<int> exitStatus(pid_t child, std::chrono::seconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return std::nullopt;
        }
        std::this_thread::sleep_for(5ms);
    }
    return WIFEXITED(status) ? std::optional<int>(WEXITSTATUS(status)) : std::nullopt;
}

bool twoThreads(const fs::path& path) {
    auto first = std::async(std::launch::async, writeKeys, path, 'a');
    auto second = std::async(std::launch::async, writeKeys, path, 'b');
    const bool ended =
        first.wait_for(60s) == std::future_status::ready && second.wait_for(60s) == std::future_status::ready;
    return ended && first.get() && second.get();
}

bool twoProcesses(const fs::path& path) {
    std::vector<pid_t> children;
    for (const char writer : {'a', 'b'}) {
        const pid_t child = fork();
        if (child == 0) _exit(writeKeys(path, writer) ? 0 : 1);
        children.push_back(child);
    }
    bool allWritten = true;
    for (const pid_t child : children) allWritten = exitStatus(child, 60s) == 0 && allWritten;
    return allWritten;
}

using SettingsIniWriters = testing::SettingsIniFileTest;

TEST_F(SettingsIniWriters, TwoWritersAtOnceLoseNoKey) {
    const struct {
        const char* name;
        std::function<bool(const fs::path&)> run;
    } ways[] = {{"two threads", twoThreads}, {"two processes", twoProcesses}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        fs::remove(path);
        EXPECT_TRUE(way.run(path)) << "every write succeeds";
        std::vector<std::string> lost;
        for (const char writer : {'a', 'b'})
            for (int i = 0; i < kKeysEach; ++i)
                if (ini.read("xitong", keyName(writer, i), "lost") != "v") lost.push_back(keyName(writer, i));
        EXPECT_TRUE(lost.empty()) << lost.size() << " keys lost";
        EXPECT_EQ(directoryEntries(), std::vector<fs::path>{"mlkpz.ini"}) << "no lock or temporary left";
    }
}

// A writer that cannot have the lock in time gives up and says so; so does
// start-up's clean-up, which must not take a temporary from under a writer.
TEST_F(SettingsIniWriters, LockHeldTooLongFailsTheWriteAndChangesNothing) {
    const std::string original = "[xitong]\r\nzdtjfh=\xBC\xD9\r\n";
    putFile(original);
    std::ofstream(dir / "mlkpz.ini.tmp1") << "being written";
    IniFile impatient(path, codec, 50ms);
    {
        const std::optional<FileLock> held = FileLock::acquire(dir / "mlkpz.ini.lock", 1s);
        ASSERT_TRUE(held.has_value());
        EXPECT_FALSE(impatient.write("xitong", "zdtjfh", "真"));
        EXPECT_EQ(fileBytes(), original);
        EXPECT_EQ(impatient.removeStaleTemporaries(), 0);
        EXPECT_TRUE(fs::exists(dir / "mlkpz.ini.tmp1"));
    }
    EXPECT_EQ(impatient.removeStaleTemporaries(), 1);
    EXPECT_TRUE(impatient.write("xitong", "zdtjfh", "真"));
    EXPECT_EQ(impatient.read("xitong", "zdtjfh"), "真");
}

// A writer killed while it holds the lock does not block the next one.
TEST_F(SettingsIniWriters, WriterKilledHoldingTheLockBlocksNobody) {
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    if (child == 0) {
        const std::optional<FileLock> held = FileLock::acquire(dir / "mlkpz.ini.lock", 1s);
        const char ready = held ? 'y' : 'n';
        if (write(pipeEnds[1], &ready, 1) != 1) _exit(1);
        for (;;) pause();
    }
    close(pipeEnds[1]);
    pollfd readable{pipeEnds[0], POLLIN, 0};
    char ready = 0;
    const bool told = poll(&readable, 1, 10'000) == 1 && read(pipeEnds[0], &ready, 1) == 1;
    close(pipeEnds[0]);
    kill(child, SIGKILL);
    exitStatus(child, 10s);
    ASSERT_TRUE(told);
    ASSERT_EQ(ready, 'y');

    IniFile impatient(path, codec, 200ms);
    EXPECT_TRUE(impatient.write("xitong", "zdtjfh", "真"));
    EXPECT_EQ(impatient.read("xitong", "zdtjfh"), "真");
    EXPECT_EQ(directoryEntries(), std::vector<fs::path>{"mlkpz.ini"});
}

}  // namespace
}  // namespace quorvane::settings
