// The commands that act on a whole file: create, upgrade, and their refusals with those of
// check and fix, each leaving the file as it was.
#include <gtest/gtest.h>

#include "scratch_database.h"
#include "tool_run.h"

namespace {

using test_support::filled;

std::string account(const std::string& login, const std::string& password) {
    return "INSERT INTO compte VALUES ('" + filled(login) + "','" + password + "');";
}

// Logins are compared as stored: case and blanks count. The file holds "dana" already.
void expect_one_row_a_login(const test_support::ScratchDatabase& db) {
    for (const char* other : {"Dana", " dana", "dana  x"}) {
        EXPECT_NO_THROW(db.exec(account(other, "other"))) << other;
    }
    EXPECT_THROW(db.exec(account("dana", "second")), std::runtime_error);
}

TEST(Create, MakesTheFourTablesWithOneRowALogin) {
    const test_support::ScratchDatabase scratch{false};
    const auto made = scratch.folder() / "new.mdb", example = scratch.folder() / "example.mdb";
    ASSERT_EQ(tool({"create", argument(made)}).status, 0);
    ASSERT_EQ(tool({"create", "--example", argument(example)}).status, 0);
    EXPECT_EQ(tool({"check", argument(example)}).status, 0);  // every login filled
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.folder()), {}), 3);
    std::filesystem::rename(made, scratch.path());
    EXPECT_EQ(scratch.dump(), "[compte]\n[acceder]\n[ftp]\n[contact]\n");
    scratch.exec(account("dana", "first"));
    expect_one_row_a_login(scratch);
}

TEST(Upgrade, AddsTheIndexOnceAndKeepsEveryRow) {
    const test_support::ScratchDatabase old;
    old.exec(account("dana", "first"));
    const std::string rows = old.dump();
    for (int run = 0; run < 2; ++run) {  // again on an upgraded file: nothing to do
        ASSERT_EQ(tool({"upgrade", argument(old.path())}).status, 0) << run;
    }
    EXPECT_EQ(old.dump(), rows);
    expect_one_row_a_login(old);
}

TEST(Upgrade, RefusesDoubledLoginsListingThemAndChangesNothing) {
    const test_support::ScratchDatabase old;
    old.exec(account("dana", "first") + account("dana", "second") + account(" eve", "a") +
             account(" eve", "b") + account(" eve", "c") + account("Dana", "other"));
    const std::string before = bytes_of(old.path());
    const ToolRun run = tool({"upgrade", argument(old.path())});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.error.find("  '" + filled(" eve") + "' (3 rows)\n  '" + filled("dana") +
                             "' (2 rows)\n"),
              std::string::npos)
        << run.error;
    EXPECT_EQ(run.error.find("Dana"), std::string::npos) << run.error;
    EXPECT_EQ(bytes_of(old.path()), before);
}

// %1 is a folder of the test's own; a null content: no file there.
TEST(FileCommands, RefuseWhatTheyCannotUseAndLeaveItAsItWas) {
    const struct {
        QStringList line;
        const char* content;
        int status;
        const char* message;
    } cases[] = {
        {{"create", "%1/x.mdb"}, "keep me", 1, "already exists"},
        {{"create", "%1/no/x.mdb"}, nullptr, 1, "cannot create"},
        {{"upgrade", "%1/x.mdb"}, nullptr, 2, "No such file"},
        {{"upgrade", "%1/x.mdb"}, "accounts kept", 2, "Unrecognized database format"},
        {{"upgrade", "%1/x.mdb"}, "", 2, ""},
        {{"upgrade", "--example", "%1/x.mdb"}, "", 2, "--example"},
        {{"upgrade"}, nullptr, 2, "PATH is required"},
        {{"check", "%1/x.mdb"}, "accounts kept", 1, "file: not an SQLite database\n"},
        {{"check", "%1/x.mdb"}, nullptr, 2, "No such file"},
        {{"fix", "%1/x.mdb"}, "accounts kept", 1, "not an SQLite database"},
        {{"-d", "%1/x.mdb", "account", "list"}, nullptr, 2, "No such file"},
        {{"make"}, nullptr, 2, "make"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.join(' ').toStdString());
        const test_support::ScratchDatabase scratch{false};
        const auto file = scratch.folder() / "x.mdb";
        if (c.content != nullptr) {
            std::ofstream(file, std::ios::binary) << c.content;
        }
        const std::string before = bytes_of(file);
        QStringList line = c.line;
        line.replaceInStrings("%1", argument(scratch.folder()));
        const ToolRun refused = tool(line);
        EXPECT_EQ(refused.status, c.status);
        EXPECT_NE((refused.out + refused.error).find(c.message), std::string::npos)
            << refused.out << refused.error;
        EXPECT_EQ(bytes_of(file), before);
    }
}

}  // namespace
