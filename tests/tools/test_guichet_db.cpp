// The commands that act on a whole file: create, and the refusals of create, upgrade, check
// and fix, each leaving the file as it was; every command's refusal of what is no file. What
// upgrade does is checked with the package, whose maintainer script runs it.
#include <gtest/gtest.h>
#include <sys/stat.h>

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
    EXPECT_NO_THROW(scratch.exec(account("dana", "first") + account("Dana", "other") +
                                 account(" dana", "other")));
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
        {{"upgrade", "%1/x.mdb"}, "accounts kept", 2, "Unrecognized database format"},
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

// Every command refuses at once what is no regular file, and opens none: a pipe with no
// writer would hold an open for reading past the deadline.
TEST(FileCommands, RefuseAtOnceWhatIsNoRegularFile) {
    // The file commands name it; the others reach it through -d.
    const QStringList lines =
        QString(
            "create %1|upgrade %1|check %1|fix %1|account add a p|account remove a|account "
            "list|grant a b|revoke a b|site add a --name n --address x|site remove a n|site "
            "list|contact add a --num 1 --last-name n|contact remove a 1|contact list")
            .split('|');
    const test_support::ScratchDatabase scratch{false};
    const auto folder = scratch.folder() / "folder", pipe = scratch.folder() / "pipe";
    std::filesystem::create_directory(folder);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    for (const std::string& path : {folder.string(), pipe.string(), std::string("/dev/null")}) {
        for (const QString& text : lines) {
            QStringList line = (text.contains("%1") ? text : "-d %1 " + text).split(' ');
            line.replaceInStrings("%1", QString::fromStdString(path));
            SCOPED_TRACE(line.join(' ').toStdString());
            const ToolRun refused = tool(line, 3000);
            EXPECT_EQ(refused.status, 2);
            EXPECT_EQ(refused.error, "guichet-db: cannot use '" + path + "': not a regular file\n");
        }
    }
    EXPECT_TRUE(std::filesystem::is_empty(folder));
}

}  // namespace
