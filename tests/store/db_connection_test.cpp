#include "store/db_connection.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "library_fixture.h"

namespace quorvane::store {
namespace {

class StoreConnection : public testing::LibraryFixture {
protected:
    std::string text(ResultSetHandle handle, std::string_view name) {
        const FieldValue value = control.read(handle, name);
        const auto* s = std::get_if<std::string>(&value);
        return s ? *s : "<not text>";
    }
};

TEST_F(StoreConnection, ReadsTypedValuesByNameWithoutRegardToCase) {
    const ResultSetHandle h = control.openResultSet(
        "select 42 as Whole, 2.5 as Half, 'abc' as Words, x'00ff' as Bytes, null as Absent");
    ASSERT_NE(h, 0);
    EXPECT_EQ(control.read(h, "whole"), FieldValue(std::int64_t{42}));
    EXPECT_EQ(control.read(h, "HALF"), FieldValue(2.5));
    EXPECT_EQ(control.read(h, "Words"), FieldValue(std::string("abc")));
    EXPECT_EQ(control.read(h, "bytes"), FieldValue(std::vector<std::uint8_t>{0x00, 0xff}));
    EXPECT_EQ(control.read(h, "absent"), FieldValue());
    EXPECT_EQ(control.read(h, "no such column"), FieldValue());
    control.closeResultSet(h);
}

TEST_F(StoreConnection, SeveralSetsMoveIndependently) {
    ASSERT_TRUE(rows.hint("a"));
    ASSERT_TRUE(rows.hint("b"));
    const ResultSetHandle first = control.openResultSet("select * from 命令表");
    const ResultSetHandle second = control.openResultSet("select * from 命令表");
    ASSERT_NE(first, 0);
    ASSERT_NE(second, 0);
    ASSERT_NE(first, second);

    control.moveNext(first);
    EXPECT_EQ(text(first, "命令"), "b");
    EXPECT_EQ(text(second, "命令"), "a");
    control.moveNext(first);
    EXPECT_TRUE(control.pastEnd(first));
    EXPECT_FALSE(control.pastEnd(second));
    EXPECT_EQ(control.read(first, "命令"), FieldValue());
    control.moveNext(first);  // past the end stays there
    EXPECT_TRUE(control.pastEnd(first));

    control.moveFirst(first);
    EXPECT_FALSE(control.pastEnd(first));
    EXPECT_EQ(text(first, "命令"), "a");

    control.closeResultSet(first);
    EXPECT_TRUE(control.pastEnd(first));
    EXPECT_EQ(text(second, "命令"), "a");
    control.closeResultSet(second);
}

TEST_F(StoreConnection, RefusesWhatCouldRideAlongBehindAStatement) {
    ASSERT_TRUE(rows.hint("keep"));
    EXPECT_FALSE(control.execute("insert into 命令表(命令) values ('x'); delete from 命令表"));
    EXPECT_EQ(control.openResultSet("select * from 命令表; delete from 命令表"), 0);
    EXPECT_EQ(control.openResultSet("delete from 命令表"), 0);
    EXPECT_EQ(column("命令表", "命令"), std::vector<std::string>{"keep"});

    EXPECT_TRUE(control.execute("delete from 命令表 where 命令='x';  -- trailing comment\n"));
    EXPECT_FALSE(control.execute(""));
    EXPECT_EQ(control.openResultSet(""), 0);
}

TEST_F(StoreConnection, ClosedConnectionRejectsEverything) {
    ASSERT_TRUE(rows.hint("a"));
    const ResultSetHandle stale = control.openResultSet("select * from 命令表");
    ASSERT_NE(stale, 0);
    control.close();
    EXPECT_FALSE(control.isOpen());
    EXPECT_FALSE(control.execute("delete from 命令表"));
    EXPECT_EQ(control.openResultSet("select * from 命令表"), 0);
    EXPECT_TRUE(control.pastEnd(stale));
    EXPECT_EQ(control.read(stale, "命令"), FieldValue());

    // After reopening, an old handle never reaches a new set.
    ASSERT_TRUE(control.open(libraryPath(), kLibraryPassword));
    const ResultSetHandle fresh = control.openResultSet("select * from 命令表");
    EXPECT_NE(fresh, stale);
    EXPECT_TRUE(control.pastEnd(stale));
    EXPECT_EQ(text(fresh, "命令"), "a");
}

// A failure stays recorded until cleared or the next open, whatever runs after it.
TEST_F(StoreConnection, FailuresAreRecordedUntilCleared) {
    struct Case {
        const char* name;
        std::function<void(DbConnection&)> fail;
        int code;
    };
    const Case cases[] = {
        {"unknown table", [](DbConnection& c) { c.execute("delete from no_such_table"); }, SQLITE_ERROR},
        {"width exceeded",
         [](DbConnection& c) { c.execute("insert into 命令表(命令) values (printf('%300s','x'))"); },
         SQLITE_CONSTRAINT},
        {"two statements", [](DbConnection& c) { c.execute("select 1; select 2"); }, SQLITE_MISUSE},
        {"a set that writes", [](DbConnection& c) { c.openResultSet("delete from 命令表"); }, SQLITE_MISUSE},
        {"closed",
         [](DbConnection& c) {
             c.close();
             c.execute("select 1");
         },
         SQLITE_MISUSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(control.open(libraryPath(), kLibraryPassword));
        EXPECT_FALSE(control.failed());
        c.fail(control);
        EXPECT_TRUE(control.failed());
        EXPECT_EQ(control.lastError().code, c.code);
        EXPECT_FALSE(control.lastError().message.empty());
        if (control.isOpen()) {
            EXPECT_TRUE(control.execute("select 1"));
            EXPECT_TRUE(control.failed()) << "a later success does not hide it";
        }
        control.clearError();
        EXPECT_FALSE(control.failed());
        EXPECT_EQ(control.lastError().code, 0);
    }
}

// Another connection holds the file for a moment (a backup, a second
// instance); the operation waits for it instead of failing at once.
TEST_F(StoreConnection, WaitsForALockHeldForAMoment) {
    struct Case {
        const char* name;
        const char* lock;  // what the other connection holds
        std::function<bool(DbConnection&, const std::filesystem::path&)> act;
    };
    const Case cases[] = {
        {"write during another's write", "begin immediate",
         [](DbConnection& c, const std::filesystem::path&) {
             return c.execute("insert into 命令表(命令) values ('mine')");
         }},
        {"open during another's exclusive hold", "begin exclusive",
         [](DbConnection& c, const std::filesystem::path& library) {
             c.close();
             return c.open(library, kLibraryPassword);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::promise<bool> locked;
        std::future<bool> lockedNow = locked.get_future();
        std::thread holder([&] {
            sqlite3* other = nullptr;
            sqlite3_open(libraryPath().string().c_str(), &other);
            const bool holds = sqlite3_exec(other, c.lock, nullptr, nullptr, nullptr) == SQLITE_OK;
            locked.set_value(holds);
            if (holds) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));  // the moment it holds the file
                sqlite3_exec(other, "commit", nullptr, nullptr, nullptr);
            }
            sqlite3_close(other);
        });
        ASSERT_EQ(lockedNow.wait_for(std::chrono::seconds(10)), std::future_status::ready);
        const bool holds = lockedNow.get();
        const bool done = holds && c.act(control, libraryPath());
        holder.join();
        ASSERT_TRUE(holds);
        EXPECT_TRUE(done) << control.lastError().message;
    }
}

}  // namespace
}  // namespace quorvane::store
