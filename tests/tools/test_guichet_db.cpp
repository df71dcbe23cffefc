// The database tool run as a person would run it.
#include <gtest/gtest.h>

#include "scratch_database.h"
#include "tool_run.h"

namespace {

std::string account(const std::string& login, const std::string& password) {
    return "INSERT INTO compte VALUES ('" + test_support::filled(login) + "','" + password + "');";
}

class GuichetDb : public ::testing::Test {
protected:
    test_support::ScratchDatabase scratch{false};
    std::filesystem::path target = scratch.folder() / "new.mdb";
};

TEST_F(GuichetDb, CreatesTheFourEmptyTables) {
    ASSERT_EQ(tool({"create", QString::fromStdString(target.string())}).status, 0);
    test_support::use_database(target);
    std::filesystem::rename(target, scratch.path());
    EXPECT_EQ(scratch.dump(), "[compte]\n[acceder]\n[ftp]\n[contact]\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.folder()),
                            std::filesystem::directory_iterator()),
              1);  // no temporary file left behind
}

TEST_F(GuichetDb, TheExampleStoresLoginsFilledToFiftyCharacters) {
    ASSERT_EQ(tool({"create", "--example", QString::fromStdString(target.string())}).status, 0);
    std::filesystem::rename(target, scratch.path());
    const std::string dump = scratch.dump();
    EXPECT_NE(dump.find("'" + test_support::filled("alice") + "'|'wonder'"), std::string::npos);
    EXPECT_NE(dump.find("'" + test_support::filled(" Public") + "'|'" +
                        test_support::filled("alice") + "'"),
              std::string::npos);
}

// Logins are compared as stored: case and blanks count.
TEST_F(GuichetDb, ANewDatabaseRefusesASecondRowOfTheSameLoginOnly) {
    ASSERT_EQ(tool({"create", argument(target)}).status, 0);
    std::filesystem::rename(target, scratch.path());
    scratch.exec(account("dana", "first"));
    for (const char* other : {"Dana", " dana", "dan", "dana  x"}) {
        SCOPED_TRACE(other);
        EXPECT_NO_THROW(scratch.exec(account(other, "other")));
    }
    EXPECT_THROW(scratch.exec(account("dana", "second")), std::runtime_error);
}

TEST_F(GuichetDb, UpgradeAddsTheIndexAndKeepsEveryRow) {
    const test_support::ScratchDatabase old;
    old.exec(account("dana", "first") + account("Dana", "other"));
    const std::string rows = old.dump();
    for (int run = 0; run < 2; ++run) {  // again on an upgraded file: nothing to do
        ASSERT_EQ(tool({"upgrade", argument(old.path())}).status, 0) << run;
    }
    EXPECT_EQ(old.dump(), rows);
    EXPECT_THROW(old.exec(account("dana", "second")), std::runtime_error);
}

TEST_F(GuichetDb, UpgradeRefusesDoubledLoginsListingThemAndChangesNothing) {
    const test_support::ScratchDatabase old;
    old.exec(account("dana", "first") + account("dana", "second") + account(" eve", "a") +
             account(" eve", "b") + account(" eve", "c") + account("Dana", "other"));
    const std::string before = bytes_of(old.path());
    const ToolRun run = tool({"upgrade", argument(old.path())});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.error.find("  '" + test_support::filled(" eve") + "' (3 rows)\n  '" +
                             test_support::filled("dana") + "' (2 rows)\n"),
              std::string::npos)
        << run.error;
    EXPECT_EQ(run.error.find("Dana"), std::string::npos) << run.error;
    EXPECT_EQ(bytes_of(old.path()), before);
    EXPECT_NO_THROW(old.exec(account("dana", "third")));  // still no index
}

TEST_F(GuichetDb, UpgradeNeverCreatesAFileNorMendsOneThatIsNoDatabase) {
    const ToolRun missing = tool({"upgrade", argument(target)});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.error.find("No such file"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(target));

    for (const std::string content : {"accounts kept", ""}) {
        std::ofstream(target, std::ios::binary | std::ios::trunc) << content;
        EXPECT_EQ(tool({"upgrade", argument(target)}).status, 2) << content;
        EXPECT_EQ(bytes_of(target), content);
    }
    EXPECT_EQ(tool({"upgrade"}).status, 2);
    EXPECT_EQ(tool({"upgrade", "--example", argument(target)}).status, 2);
}

TEST_F(GuichetDb, NeverOverwritesAFile) {
    std::ofstream(target) << "keep me";
    const ToolRun run = tool({"create", QString::fromStdString(target.string())});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.error.find("already exists"), std::string::npos);
    std::stringstream content;
    content << std::ifstream(target).rdbuf();
    EXPECT_EQ(content.str(), "keep me");
}

TEST_F(GuichetDb, ABadPathOrUsageFailsClearly) {
    const ToolRun missing_folder =
        tool({"create", QString::fromStdString((scratch.folder() / "no" / "x.mdb").string())});
    EXPECT_NE(missing_folder.status, 0);
    EXPECT_NE(missing_folder.error.find("cannot create"), std::string::npos);
    EXPECT_NE(tool({"make"}).status, 0);
    EXPECT_EQ(tool({"--help"}).status, 0);
}

}  // namespace
