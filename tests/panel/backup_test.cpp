// Automatic backups of the library from the running panel, and the offer to
// restore one when start-up cannot use the library.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "editing_helpers.h"
#include "fakes/damaged_page.h"
#include "fakes/file_bytes.h"
#include "store/library_backup.h"
#include "tree/library_document.h"

namespace quorvane::testing {
namespace {

namespace fs = std::filesystem;
using shell::MenuCommand;
using Names = std::vector<std::string>;

fs::path backupFolder(PanelWorld& w) {
    return w.dir / store::kBackupFolderName;
}

Names backupNames(PanelWorld& w) {
    Names names;
    for (const fs::path& file : store::listBackups(backupFolder(w))) names.push_back(file.filename().string());
    return names;
}

// The categories a library file holds, by name, in row order.
Names categoriesIn(const fs::path& library) {
    store::DbConnection control;
    store::RecordStore db;
    EXPECT_TRUE(db.Open(control, library, store::kLibraryPassword)) << library;
    Names names;
    db.ReadColumn(names, "分类表", "分类名", "");
    return names;
}

TEST(StartUpBackup, IsMadeWhenTheLibraryChangedSinceTheNewestOne) {
    PanelWorld w;
    w.rows.category("容器", "1", "0");
    w.wallClock.time = {2024, 3, 15, 9, 30, 0};
    ASSERT_TRUE(w.start());
    EXPECT_EQ(backupNames(w), Names{"Cmlsjk-20240315-093000.mdb"});
    EXPECT_EQ(w.infoBox.text, std::nullopt);
    w.panel->shutDown();

    w.wallClock.advanceSeconds(3600);
    ASSERT_TRUE(w.start());
    EXPECT_EQ(backupNames(w), Names{"Cmlsjk-20240315-093000.mdb"}) << "nothing changed in between";
    w.forms.users.push_back([](fakes::FakeForm& f) {
        f.type(tree::category_window_ids::Name, "算法");
        f.click(tree::category_window_ids::Ok);
    });
    w.menu(MenuCommand::AddCategory);
    w.panel->shutDown();

    w.wallClock.advanceSeconds(60);
    ASSERT_TRUE(w.start());
    EXPECT_EQ(backupNames(w), (Names{"Cmlsjk-20240315-093000.mdb", "Cmlsjk-20240315-103100.mdb"}));
    EXPECT_EQ(categoriesIn(backupFolder(w) / "Cmlsjk-20240315-103100.mdb"), (Names{"容器", "算法"}));
}

// The program runs on; the user learns of it once, in the info box.
TEST(StartUpBackup, AFailureStopsNothingAndIsShownOnceInTheInfoBox) {
    PanelWorld w;
    w.rows.category("容器", "1", "0");
    w.rows.command("a", "", "1");
    std::ofstream(backupFolder(w)) << "a file where the folder should be";
    const std::string library = fakes::readBytes(w.libraryPath());
    ASSERT_TRUE(w.start());
    EXPECT_TRUE(w.panelView.visible);
    EXPECT_TRUE(w.messages.shown.empty());
    EXPECT_EQ(w.infoBox.text, "自动备份失败：无法建立备份文件夹 " + backupFolder(w).string() + "。命令数据库没有改动。");
    EXPECT_TRUE(fakes::readBytes(w.libraryPath()) == library);

    // A deletion that would make one goes ahead; its failed backup is not shown again.
    w.infoBox.text = "something else";
    selectItem(w, "容器");
    w.menu(MenuCommand::DeleteItem);
    EXPECT_TRUE(categoryRows(w).empty());
    EXPECT_EQ(w.infoBox.text, "something else");
}

class BackupBeforeChanges : public ::testing::Test {
protected:
    void SetUp() override {
        w.rows.category("容器", "1", "0");
        w.rows.command("size", "", "1");
        w.rows.category("空", "2", "0");
        ASSERT_TRUE(w.start());
        // A change after the start's backup, a minute later.
        w.rows.category("新", "3", "0");
        w.wallClock.advanceSeconds(60);
    }

    PanelWorld w;
};

TEST_F(BackupBeforeChanges, ADeletionOfMoreThanOneRowBacksUpFirst) {
    selectItem(w, "空");
    w.menu(MenuCommand::DeleteItem);
    EXPECT_EQ(backupNames(w).size(), 1u) << "one row: no backup";

    selectItem(w, "容器");
    w.menu(MenuCommand::DeleteItem);
    ASSERT_EQ(backupNames(w).size(), 2u);
    EXPECT_EQ(categoriesIn(store::listBackups(backupFolder(w)).back()), (Names{"容器", "新"}))
        << "the state just before the deletion";
}

TEST_F(BackupBeforeChanges, AnImportBacksUpFirstButOnlyOnceTheFileIsGood) {
    fakes::TempDir files;
    const auto file = files / "in.json";
    std::ofstream(file) << R"({"format": "quorvane-library", "version": 1, "categories": [{"name": "导入"}]})";
    w.fileDialogs.choices.push_back(file);
    w.menu(MenuCommand::ImportLibrary);
    ASSERT_EQ(backupNames(w).size(), 2u);
    EXPECT_EQ(categoriesIn(store::listBackups(backupFolder(w)).back()), (Names{"容器", "空", "新"}));
}

// A library that cannot be opened, with a backup beside it.
class RestoreOffer : public ::testing::Test {
protected:
    void SetUp() override {
        w.rows.category("备份里的", "1", "0");
        w.db.Close();
        store::LibraryBackups(w.libraryPath(), store::kLibraryPassword).backUp({2024, 3, 1, 8, 0, 0}, false);
        damaged = std::string(8192, '\x5A');
        std::ofstream(w.libraryPath(), std::ios::binary | std::ios::trunc) << damaged;
    }

    PanelWorld w;
    std::string damaged;
};

TEST_F(RestoreOffer, YesPutsTheNewestBackupInPlaceAndTheStartGoesOn) {
    ASSERT_TRUE(w.start());
    ASSERT_EQ(w.messages.shown.size(), 2u);
    const auto& offer = w.messages.shown[0];
    EXPECT_EQ(offer.text, "打开命令数据库失败\r\n\r\n是否用最新的备份 Cmlsjk-20240301-080000.mdb 恢复命令数据库？\r\n"
                          "现在的文件不会删除，会改名保存在原处。");
    EXPECT_EQ(offer.buttons, MessageButtons::YesNo);
    EXPECT_EQ(offer.icon, MessageIcon::Warning);
    EXPECT_EQ(w.messages.shown[1].text,
              "已用备份 Cmlsjk-20240301-080000.mdb 恢复命令数据库。\r\n原来的文件已改名为 Cmlsjk-damaged-1.mdb。");
    EXPECT_EQ(modelOutline(w), "备份里的\n");
    EXPECT_TRUE(fakes::readBytes(w.dir / "Cmlsjk-damaged-1.mdb") == damaged);
    EXPECT_TRUE(w.panelView.visible);
}

TEST_F(RestoreOffer, NoEndsTheProgramAndTouchesNothing) {
    w.messages.nextAnswer = MessageAnswer::No;
    EXPECT_FALSE(w.start());
    EXPECT_EQ(w.messages.shown.size(), 1u);
    EXPECT_TRUE(fakes::readBytes(w.libraryPath()) == damaged);
    EXPECT_FALSE(fs::exists(w.dir / "Cmlsjk-damaged-1.mdb"));
    EXPECT_FALSE(w.panelView.visible);
}

// A library that opens but fails the engine's check: the tree may already
// hold part of it, so after the restore the program ends and is started again.
TEST(RestoreOfADamagedLibrary, PutsTheBackupInPlaceAndEndsTheProgram) {
    PanelWorld w;
    w.rows.category("容器", "1", "0");
    ASSERT_TRUE(w.control.execute("begin"));
    for (int i = 0; i < 2000; ++i) w.rows.command("c" + std::to_string(i), "", "1", std::string(200, 'd'));
    ASSERT_TRUE(w.control.execute("commit"));
    w.db.Close();
    store::LibraryBackups(w.libraryPath(), store::kLibraryPassword).backUp({2024, 3, 1, 8, 0, 0}, false);
    ASSERT_TRUE(fakes::damageMiddleOf(w.libraryPath(), "命令库"));
    const std::string damaged = fakes::readBytes(w.libraryPath());

    EXPECT_FALSE(w.start());
    ASSERT_EQ(w.messages.shown.size(), 2u);
    EXPECT_EQ(w.messages.shown[0].text, "命令数据库已损坏\r\n" + w.libraryPath().string() +
                                            "\r\n\r\n是否用最新的备份 Cmlsjk-20240301-080000.mdb 恢复命令数据库？\r\n"
                                            "现在的文件不会删除，会改名保存在原处。");
    EXPECT_EQ(w.messages.shown[1].text, "已用备份 Cmlsjk-20240301-080000.mdb 恢复命令数据库。\r\n"
                                        "原来的文件已改名为 Cmlsjk-damaged-1.mdb。\r\n请重新启动 Quorvane。");
    EXPECT_TRUE(fakes::readBytes(w.dir / "Cmlsjk-damaged-1.mdb") == damaged);
    EXPECT_EQ(categoriesIn(w.libraryPath()), Names{"容器"});
    EXPECT_FALSE(w.panelView.visible);
}

}  // namespace
}  // namespace quorvane::testing
