#include "store/record_store.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "library_fixture.h"

namespace quorvane::store {
namespace {

using RecordStoreOps = testing::LibraryFixture;
using Rows = std::vector<std::vector<std::string>>;

TEST(RecordStoreOpen, ReportsTheOpenAndClose) {
    fakes::TempDir dir;
    DbConnection control;
    RecordStore db;
    EXPECT_FALSE(db.opened());
    EXPECT_EQ(db.currentQuery(), 0);
    EXPECT_FALSE(db.Open(control, dir / kLibraryFileName, kLibraryPassword));
    EXPECT_FALSE(db.opened());

    ASSERT_TRUE(createLibrary(dir / kLibraryFileName, kLibraryPassword));
    EXPECT_TRUE(db.Open(control, dir / kLibraryFileName, kLibraryPassword));
    EXPECT_TRUE(db.opened());
    EXPECT_TRUE(control.isOpen());
    db.Close();
    EXPECT_FALSE(db.opened());
    EXPECT_FALSE(control.isOpen());
}

TEST_F(RecordStoreOps, ReadsRowsInTheCallersPattern) {
    ASSERT_TRUE(rows.command("MessageBox", "消息框", "3"));
    ASSERT_TRUE(rows.command("lstrlen", "", "3"));
    ASSERT_TRUE(rows.command("Other", "", "4"));

    const ResultSetHandle h = db.Query("命令库", "", "分类='3'");
    ASSERT_NE(h, 0);
    EXPECT_EQ(db.currentQuery(), h);
    db.FirstRecord(h);
    std::vector<std::string> seen;
    while (!db.PastEnd(h)) {
        seen.push_back(db.ReadText("命令名", h) + "/" + db.ReadText("中文名", h) + "/" +
                       db.ReadText("id", h));
        db.NextRecord(h);
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"MessageBox/消息框/1", "lstrlen//2"}));

    db.FirstRecord(h);  // rewinds a set that is past its end
    EXPECT_EQ(db.ReadText("命令名", h), "MessageBox");
    db.CloseQuery(h);
    EXPECT_EQ(db.currentQuery(), 0);
    EXPECT_TRUE(db.PastEnd(h));
}

TEST_F(RecordStoreOps, ConvertsValues) {
    ASSERT_TRUE(db.Insert("命令库", "命令名,分类", "'a','12'"));
    ASSERT_TRUE(db.Insert("命令库", "命令名,分类", "'b',' 3.5x'"));
    ASSERT_TRUE(db.Insert("命令库", "命令名,分类", "'c','none'"));

    const ResultSetHandle h = db.Query("命令库", "ID, ID*1.5 as Scaled, 分类, 说明", "");
    ASSERT_NE(h, 0);
    struct Expected {
        double id;
        std::string scaledText;
        double category;
    };
    const Expected expectedRows[] = {{1, "1.5", 12}, {2, "3", 3.5}, {3, "4.5", 0}};
    for (const Expected& row : expectedRows) {
        SCOPED_TRACE(row.id);
        ASSERT_FALSE(db.PastEnd(h));
        EXPECT_EQ(db.ReadNumber("ID", h), row.id);
        EXPECT_EQ(db.ReadText("scaled", h), row.scaledText);
        EXPECT_EQ(db.ReadNumber("分类", h), row.category);
        EXPECT_EQ(db.ReadText("说明", h), "");  // NULL
        EXPECT_EQ(db.ReadNumber("说明", h), 0);
        EXPECT_EQ(db.ReadText("no such column", h), "");
        EXPECT_EQ(db.ReadNumber("no such column", h), 0);
        db.NextRecord(h);
    }
    EXPECT_TRUE(db.PastEnd(h));
    db.CloseQuery(h);
}

TEST_F(RecordStoreOps, EmptyQueryStaysCurrentUntilClosed) {
    EXPECT_EQ(db.Query("命令表", "", ""), 0);
    const ResultSetHandle empty = db.currentQuery();
    EXPECT_NE(empty, 0);
    EXPECT_TRUE(db.PastEnd());
    db.CloseQuery();
    EXPECT_EQ(db.currentQuery(), 0);

    // A rejected statement leaves no current query.
    EXPECT_EQ(db.Query("no_such_table", "", ""), 0);
    EXPECT_EQ(db.currentQuery(), 0);
}

TEST_F(RecordStoreOps, OmittedHandleIsTheCurrentQuery) {
    ASSERT_TRUE(rows.hint("a"));
    ASSERT_TRUE(rows.hint("b"));
    const ResultSetHandle first = db.Query("命令表", "命令", "");
    const ResultSetHandle second = db.Query("命令表", "命令", "命令='b'");
    ASSERT_NE(first, 0);
    ASSERT_NE(second, 0);
    EXPECT_EQ(db.currentQuery(), second);
    EXPECT_EQ(db.ReadText("命令"), "b");
    db.NextRecord();
    EXPECT_TRUE(db.PastEnd());
    EXPECT_FALSE(db.PastEnd(first));
    db.FirstRecord();
    EXPECT_EQ(db.ReadText("命令"), "b");

    // An explicit 0 is no handle at all, not the current query.
    EXPECT_TRUE(db.PastEnd(0));
    EXPECT_EQ(db.ReadText("命令", 0), "");
    db.CloseQuery(0);
    EXPECT_EQ(db.currentQuery(), second);

    // Closing another set leaves the current one alone.
    db.CloseQuery(first);
    EXPECT_EQ(db.currentQuery(), second);
    EXPECT_EQ(db.ReadText("命令"), "b");
    db.CloseQuery();
    EXPECT_EQ(db.currentQuery(), 0);
    EXPECT_TRUE(db.PastEnd(second));
}

// A caller walking one set may query again inside its loop: inner queries,
// empty ones included, must not disturb the outer set.
TEST_F(RecordStoreOps, NestedQueriesKeepTheOuterSet) {
    for (const char* number : {"1", "2", "3"})
        ASSERT_TRUE(db.Insert("分类表", "分类名,序号,父类,说明", std::string("'c','") + number + "','0',''"));
    ASSERT_TRUE(rows.command("only", "", "2"));

    const ResultSetHandle categories = db.Query("分类表", "", "");
    ASSERT_NE(categories, 0);
    std::vector<std::string> loaded;
    while (!db.PastEnd(categories)) {
        const std::string number = db.ReadText("序号", categories);
        const ResultSetHandle commands = db.Query("命令库", "", "分类=" + sqlQuote(number));
        if (commands != 0) {
            while (!db.PastEnd(commands)) {
                loaded.push_back(number + ":" + db.ReadText("命令名", commands));
                db.NextRecord(commands);
            }
            db.CloseQuery(commands);
        }
        EXPECT_TRUE(db.Exists("命令库", "命令名", "命令名='only'"));
        db.NextRecord(categories);
    }
    db.CloseQuery(categories);
    EXPECT_EQ(loaded, std::vector<std::string>{"2:only"});
}

TEST_F(RecordStoreOps, ExistsClearsTheCurrentQuery) {
    ASSERT_TRUE(rows.hint("word"));
    const ResultSetHandle held = db.Query("命令表", "", "");
    ASSERT_NE(held, 0);

    EXPECT_TRUE(db.Exists("命令表", "", "命令='word'"));
    EXPECT_EQ(db.currentQuery(), 0);
    EXPECT_FALSE(db.Exists("命令表", "命令", "命令='other'"));
    EXPECT_FALSE(db.Exists("命令表", "", ""));  // always a where: rejected
    EXPECT_FALSE(db.Exists("no_such_table", "", "1=1"));
    EXPECT_EQ(db.currentQuery(), 0);

    // The set that was current before is not closed.
    EXPECT_EQ(db.ReadText("命令", held), "word");
    db.CloseQuery(held);
}

TEST_F(RecordStoreOps, UpdateAndDelete) {
    for (const char* name : {"a", "b", "c"}) ASSERT_TRUE(rows.command(name));

    EXPECT_TRUE(db.Update("命令库", "分类='9'", "命令名='b'"));
    EXPECT_EQ(column("命令库", "命令名", "分类='9'"), std::vector<std::string>{"b"});
    EXPECT_TRUE(db.Update("命令库", "中文名='全部'", ""));
    EXPECT_EQ(column("命令库", "中文名"), (std::vector<std::string>{"全部", "全部", "全部"}));

    EXPECT_FALSE(db.DeleteWhere("命令库", ""));  // rejected, not "delete everything"
    EXPECT_TRUE(db.DeleteWhere("命令库", "命令名='a'"));
    EXPECT_EQ(column("命令库", "命令名"), (std::vector<std::string>{"b", "c"}));
    EXPECT_TRUE(db.DeleteAll("命令库"));
    EXPECT_TRUE(column("命令库", "命令名").empty());
}

// A write aimed at one row can tell that it touched none, or more than one.
TEST_F(RecordStoreOps, ChangesCountsTheRowsOfTheLastWrite) {
    for (const char* name : {"a", "b", "b2"}) ASSERT_TRUE(rows.command(name, "", "1"));
    ASSERT_TRUE(rows.command("c", "", "2"));
    struct Case {
        const char* name;
        std::function<bool(RecordStore&)> write;
        bool result;
        int changes;
    };
    const Case cases[] = {
        {"update of no row", [](RecordStore& s) { return s.Update("命令库", "中文名='x'", "命令名='none'"); },
         true, 0},
        {"update of one row", [](RecordStore& s) { return s.Update("命令库", "中文名='x'", "命令名='a'"); },
         true, 1},
        {"update of two rows",
         [](RecordStore& s) { return s.Update("命令库", "中文名='x'", "命令名 like 'b%'"); }, true, 2},
        {"refused update", [](RecordStore& s) { return s.Update("命令库", "no_such_column='x'", ""); }, false,
         0},
        {"delete of no row", [](RecordStore& s) { return s.DeleteWhere("命令库", "命令名='none'"); }, true,
         0},
        {"delete of one row", [](RecordStore& s) { return s.DeleteWhere("命令库", "命令名='a'"); }, true, 1},
        {"delete of two rows", [](RecordStore& s) { return s.DeleteWhere("命令库", "分类='1'"); }, true, 2},
        {"insert", [](RecordStore& s) { return s.Insert("命令表", "命令", "'w'"); }, true, 1},
        {"delete all", [](RecordStore& s) { return s.DeleteAll("命令库"); }, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.write(db), c.result);
        EXPECT_EQ(db.changes(), c.changes);
        column("命令库", "命令名");
        EXPECT_EQ(db.changes(), c.changes) << "reading leaves the figure alone";
    }
}

// A row just added can be addressed by its ID at once; an update does not move it.
TEST_F(RecordStoreOps, LastInsertedIdIsTheNewRowsId) {
    ASSERT_TRUE(rows.command("first", "", "1"));
    const std::int64_t first = db.lastInsertedId();
    ASSERT_TRUE(rows.command("second", "", "1"));
    const std::int64_t second = db.lastInsertedId();
    EXPECT_NE(first, second);
    ASSERT_TRUE(db.Update("命令库", "中文名='x'", "ID=" + std::to_string(first)));
    EXPECT_EQ(db.lastInsertedId(), second);
    EXPECT_EQ(column("命令库", "命令名", "ID=" + std::to_string(second)), (std::vector<std::string>{"second"}));
}

// Wildcards and quotes typed into a prefix match only themselves.
TEST_F(RecordStoreOps, PrefixConditionTakesThePrefixLiterally) {
    const std::vector<std::string> words = {"a_b",  "axb",  "a%c",  "abc",  "a\\x",
                                            "a\\_", "it's", "itxs", "A_B2", ""};
    for (const std::string& word : words) ASSERT_TRUE(rows.hint(word)) << word;
    struct Case {
        std::string prefix;
        std::set<std::string> matches;
    };
    const Case cases[] = {
        {"a_", {"a_b", "A_B2"}},  // like ignores case
        {"a%", {"a%c"}},
        {"a\\", {"a\\x", "a\\_"}},
        {"a\\_", {"a\\_"}},
        {"it'", {"it's"}},
        {"%", {}},
        {"_", {}},
        {"", {"a_b", "axb", "a%c", "abc", "a\\x", "a\\_", "it's", "itxs", "A_B2", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix);
        const std::vector<std::string> found = column("命令表", "命令", sqlLikePrefix("命令", c.prefix));
        EXPECT_EQ(std::set<std::string>(found.begin(), found.end()), c.matches);
    }
}

// The hint lookup runs a prefix query per keystroke: it must search the index, not scan.
TEST_F(RecordStoreOps, PrefixQueryOnHintWordsUsesTheIndex) {
    for (const std::string prefix : {"a_", "it'", "%", "\\"}) {
        SCOPED_TRACE(prefix);
        const ResultSetHandle plan = control.openResultSet("explain query plan select * from 命令表 where " +
                                                           sqlLikePrefix("命令", prefix));
        ASSERT_NE(plan, 0) << control.lastError().message;
        const FieldValue detail = control.read(plan, "detail");
        const std::string* text = std::get_if<std::string>(&detail);
        ASSERT_NE(text, nullptr);
        EXPECT_NE(text->find("USING INDEX 命令表_命令"), std::string::npos) << *text;
        control.closeResultSet(plan);
    }
}

TEST_F(RecordStoreOps, ReadColumnReplacesTheList) {
    ASSERT_TRUE(rows.hint("alpha"));
    ASSERT_TRUE(rows.hint("beta"));
    EXPECT_EQ(db.Query("命令库", "", ""), 0);
    const ResultSetHandle current = db.currentQuery();

    std::vector<std::string> list{"left", "over"};
    EXPECT_EQ(db.ReadColumn(list, "命令表", "命令", ""), 2);
    EXPECT_EQ(list, (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(db.ReadColumn(list, "命令表", "命令", "命令='none'"), 0);
    EXPECT_TRUE(list.empty());
    list = {"left"};
    EXPECT_EQ(db.ReadColumn(list, "no_such_table", "命令", ""), 0);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(db.currentQuery(), current);
}

TEST_F(RecordStoreOps, ReadTable) {
    ASSERT_TRUE(rows.command("a", "甲", "1"));
    ASSERT_TRUE(rows.command("b", "乙", "2"));
    Rows cells{{"old"}};
    EXPECT_EQ(db.ReadTable(cells, "命令库", {"命令名", "中文名", "ID"}, ""), 2);
    EXPECT_EQ(cells, (Rows{{"a", "甲", "1"}, {"b", "乙", "2"}}));
    EXPECT_EQ(db.currentQuery(), 0);

    EXPECT_EQ(db.ReadTable(cells, "命令库", {"命令名"}, "分类='none'"), 0);
    EXPECT_EQ(cells, (Rows{{""}}));
    EXPECT_EQ(db.currentQuery(), 0);
    EXPECT_EQ(db.ReadTable(cells, "no_such_table", {"命令名"}, ""), 0);
    EXPECT_EQ(cells, (Rows{{""}}));
}

TEST_F(RecordStoreOps, RejectedStatementsReportFailure) {
    EXPECT_FALSE(db.Insert("no_such_table", "a", "'1'"));
    EXPECT_FALSE(db.Insert("命令表", "no_such_column", "'1'"));
    EXPECT_FALSE(db.Update("no_such_table", "a='1'", ""));
    EXPECT_FALSE(db.DeleteWhere("no_such_table", "a='1'"));
    EXPECT_FALSE(db.DeleteAll("no_such_table"));
    // An apostrophe left unquoted breaks the statement instead of changing it.
    EXPECT_FALSE(db.Insert("命令表", "命令", "'it's'"));
    EXPECT_TRUE(column("命令表", "命令").empty());
}

// Before Open and after Close every operation behaves like a rejected statement.
TEST_F(RecordStoreOps, WithoutConnectionRejectsEverything) {
    ASSERT_TRUE(rows.hint("a"));
    RecordStore neverOpened;
    db.Close();
    for (RecordStore* store : {&neverOpened, &db}) {
        EXPECT_FALSE(store->Insert("命令表", "命令", "'x'"));
        EXPECT_FALSE(store->Exists("命令表", "", "1=1"));
        EXPECT_FALSE(store->Update("命令表", "命令='x'", ""));
        EXPECT_EQ(store->Query("命令表", "", ""), 0);
        EXPECT_TRUE(store->PastEnd());
        EXPECT_EQ(store->ReadText("命令"), "");
        EXPECT_EQ(store->ReadNumber("ID"), 0);
        std::vector<std::string> list{"x"};
        EXPECT_EQ(store->ReadColumn(list, "命令表", "命令", ""), 0);
        EXPECT_TRUE(list.empty());
        Rows cells;
        EXPECT_EQ(store->ReadTable(cells, "命令表", {"命令"}, ""), 0);
        EXPECT_EQ(cells, (Rows{{""}}));
        EXPECT_FALSE(store->DeleteWhere("命令表", "1=1"));
        EXPECT_FALSE(store->DeleteAll("命令表"));
        EXPECT_TRUE(store->failed());
        EXPECT_NE(store->lastError().code, 0);
        EXPECT_EQ(store->changes(), 0);
        EXPECT_FALSE(store->quickCheck());
        store->NextRecord();
        store->FirstRecord();
        store->CloseQuery();
        store->Close();
    }
    ASSERT_TRUE(db.Open(control, libraryPath(), kLibraryPassword));
    EXPECT_EQ(column("命令表", "命令"), std::vector<std::string>{"a"});
}

// Every name goes through the quoting helper: it is stored and matched
// exactly, and never changes what the statement does.
TEST_F(RecordStoreOps, HostileNamesAreStoredAndMatchedExactly) {
    const std::string hostile[] = {
        "x' or '1'='1", "'", "''", "O'Brien", "a'; delete from 命令库; --", "x' or 1=1 --", "中文'名", "%",
    };
    ASSERT_TRUE(rows.command("bystander"));
    for (const std::string& name : hostile) ASSERT_TRUE(rows.command(name)) << name;

    for (const std::string& name : hostile) {
        SCOPED_TRACE(name);
        const std::string condition = "命令名=" + sqlQuote(name);
        EXPECT_TRUE(db.Exists("命令库", "", condition));
        EXPECT_EQ(column("命令库", "命令名", condition), std::vector<std::string>{name});
        EXPECT_TRUE(db.DeleteWhere("命令库", condition));
        EXPECT_FALSE(db.Exists("命令库", "", condition));
        EXPECT_TRUE(db.Exists("命令库", "", "命令名='bystander'"));
    }
    EXPECT_EQ(column("命令库", "命令名"), std::vector<std::string>{"bystander"});

    ASSERT_TRUE(rows.hint("it's"));
    EXPECT_EQ(column("命令表", "命令", " 命令 like '" + sqlEscape("it'") + "%'"),
              std::vector<std::string>{"it's"});
}

}  // namespace
}  // namespace quorvane::store
