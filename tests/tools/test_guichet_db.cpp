// The commands that act on a whole file: create, and the refusals of create, upgrade, check
// and fix, each leaving the file as it was. What upgrade does is checked with the package,
// whose maintainer script runs it.
#include <gtest/gtest.h>

#include <fstream>

#include "scratch_database.h"
#include "tool_run.h"

namespace {

using test_support::filled;

std::string account(const std::string& login, const std::string& password) {
    return "INSERT INTO compte VALUES ('" + filled(login) + "','" + password + "');";
}

TEST(Create, MakesTheFourTablesWithOneRowALogin) {
    const test_support::ScratchDatabase scratch{false};
    const auto example = scratch.folder() / "example.mdb";
    std::filesystem::remove(scratch.path());
    ASSERT_EQ(tool({"create", argument(scratch.path())}).status, 0);
    ASSERT_EQ(tool({"create", "--example", argument(example)}).status, 0);
    EXPECT_EQ(tool({"check", argument(example)}).status, 0);  // every login filled
    EXPECT_EQ(scratch.dump(), "[compte]\n[acceder]\n[ftp]\n[contact]\n");
    // Logins are compared as stored: case and blanks count.
    scratch.exec(account("dana", "first"));
    for (const char* other : {"Dana", " dana", "dana  x"}) {
        EXPECT_NO_THROW(scratch.exec(account(other, "other"))) << other;
    }
    EXPECT_THROW(scratch.exec(account("dana", "second")), std::runtime_error);
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
        {{"upgrade"}, nullptr, 2, "PATH is required"},
        {{"check", "%1/x.mdb"}, "accounts kept", 1, "file: not an SQLite database\n"},
        {{"fix", "%1/x.mdb"}, "accounts kept", 1, "not an SQLite database"},
        {{"-d", "%1/x.mdb", "account", "list"}, nullptr, 2, "No such file"},
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
