// What `check` finds in damaged files, and what `fix` repairs and leaves.
#include <gtest/gtest.h>

#include "data/module1.h"
#include "scratch_database.h"
#include "tool_run.h"
#include "vb/fixed_text.h"

namespace {

using test_support::filled;

std::string row(const std::string& table, const std::string& values) {
    return "INSERT INTO " + table + " VALUES (" + values + ");";
}

std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

TEST(Check, FindsWhatWouldStopTheProgramOrHideARow) {
    const std::string ann = quoted(filled("ann"));
    const std::string many =
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
        "WHERE i < ";
    const struct {
        std::string damage;
        int status;
        std::string line;
    } cases[] = {
        {"DROP TABLE compte;", 1, "compte: the table is missing"},
        {"ALTER TABLE ftp DROP COLUMN port;", 1, "ftp, column port: the column is missing"},
        {row("compte", quoted(filled("bob")) + ",NULL"), 1,
         "compte, row 2, column pwd: Null: the program stops with Invalid use of Null"},
        {row("ftp", ann + ",'l','a','m',40000,'n'"), 1,
         "ftp, row 1, column port: 40000 is outside -32768..32767"},
        {row("ftp", ann + ",'l','a','m','21.5','n'"), 1, "port: 21.5 is not a whole number"},
        {row("contact", ann + ",-32769,'n','p','a','c','v'"), 1, "num: -32769 is outside"},
        {row("acceder", ann + "," + ann + ",'yes',0"), 1, "ftpa: yes is not a Boolean"},
        {row("compte", "'bob','pw'"), 1,
         "compte, row 2, column loggin: the login bob is not filled to 50 characters (it holds "
         "3)"},
        {row("acceder", ann + "," + quoted(filled("ann", 51)) + ",0,0"), 1,
         "is longer than 50 characters (it holds 51)"},
        {row("compte", "'ann','other'"), 1,
         "compte, rows 1 and 2, column loggin: the login ann is stored more than once"},
        {row("compte", quoted(filled("bob")) + ",'" + std::string(26, 'p') + "'"), 0,
         "warning: compte, row 2, column pwd: the password is longer than 25 characters"},
        {row("ftp", quoted(filled("ghost")) + ",'l','a','m',21,'n'"), 1,
         "ftp, row 1, column loggin: no account ghost owns this row"},
        {row("ftp", quoted(filled(" Public")) + ",'l','a','m',21,'n'"), 0, "no problem found"},
        {row("ftp", ann + ",'l','a','m',32767,'n'") +
             row("contact", ann + ",-32768,'n','p','a','c','v'") +
             row("acceder", ann + "," + ann + ",-1,'True'"),
         0, "no problem found"},
        {row("ftp", ann + ",'l','a','m',32768,'n'"), 1, "port: 32768 is outside"},
        {row("compte", quoted(filled("bob", 49)) + ",'pw'"), 1,
         "is not filled to 50 characters (it holds 49)"},
        {"INSERT INTO compte " + many + "32767) SELECT printf('%-50d', i), 'p' FROM n;", 1,
         "compte: 32768 rows"},
        {"INSERT INTO acceder " + many + "200) SELECT " + ann + "," + ann + ",0,0 FROM n;" +
             "INSERT INTO contact " + many + "200) SELECT " + ann +
             ",i,'n','p','a','c','v' FROM n;",
         1, "contact: logging ann on would load 40000 rows"},
        {"CREATE INDEX by_password ON compte (pwd); PRAGMA writable_schema = ON; UPDATE "
         "sqlite_master SET sql = 'CREATE INDEX by_password ON compte (loggin)' WHERE name = "
         "'by_password';",
         1, "file: damaged: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage.substr(0, 120));
        const test_support::ScratchDatabase scratch;
        scratch.exec(row("compte", quoted(filled("ann")) + ",'pw'") + c.damage);
        const std::string before = bytes_of(scratch.path());
        const ToolRun checked = tool({"check", argument(scratch.path())});
        EXPECT_EQ(checked.status, c.status);
        EXPECT_NE(checked.out.find(c.line), std::string::npos) << checked.out;
        EXPECT_EQ(bytes_of(scratch.path()), before);
    }
}

TEST(Check, TellsAFileThatIsNoDatabaseFromOneThatCannotBeRead) {
    const test_support::ScratchDatabase scratch;
    const auto example = scratch.folder() / "example.mdb";
    ASSERT_EQ(tool({"create", "--example", argument(example)}).status, 0);
    EXPECT_EQ(tool({"check", argument(example)}).status, 0);

    std::ofstream(scratch.path(), std::ios::trunc) << "accounts kept";
    const ToolRun junk = tool({"check", argument(scratch.path())});
    EXPECT_EQ(junk.status, 1);
    EXPECT_EQ(junk.out, "file: not an SQLite database\n");
    EXPECT_EQ(tool({"fix", argument(scratch.path())}).status, 1);
    EXPECT_EQ(bytes_of(scratch.path()), "accounts kept");

    const ToolRun missing = tool({"check", argument(scratch.folder() / "missing.mdb")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_FALSE(std::filesystem::exists(scratch.folder() / "missing.mdb"));
}

// A file made by hand: logins typed without their fill are found once fixed; the one whose
// fill would make a second "erik" is left for a person.
TEST(Fix, FillsLoginsAfterABackupAndLeavesWhatNeedsAPerson) {
    const test_support::ScratchDatabase scratch;
    scratch.exec(row("compte", "'erik','pw'") + row("compte", "'erik ','other'") +
                 row("compte", "'zoé','pw'") + row("acceder", "'erik','zoé',1,1") +
                 row("ftp", "'zoé','l','a','m',21,'n'") +
                 row("ftp", "'" + filled("x", 60) + "','l','a','m',21,'n'"));
    const std::string before = bytes_of(scratch.path());
    const ToolRun fixed = tool({"fix", argument(scratch.path())});
    EXPECT_EQ(fixed.status, 1);
    EXPECT_NE(fixed.out.find("filled or cut 6 logins"), std::string::npos) << fixed.out;
    EXPECT_NE(fixed.out.find("left for you to decide:\ncompte, row 2, column loggin: the login "
                             "'erik ' is not filled"),
              std::string::npos)
        << fixed.out;
    EXPECT_EQ(bytes_of(scratch.folder() / "bdd.mdb.bak"), before);

    Module1::connectes.redim_preserve(1);
    Module1::connectes[0] = Compte{u"erik", u"pw"};
    Module1::nb_connectes = 1;
    Module1::charger_acces();
    ASSERT_EQ(Module1::nb_acces, 1);
    EXPECT_EQ(Module1::acces[0].psd, vb::FixedText<50>(u"zoé"));

    const std::string after = bytes_of(scratch.path());
    EXPECT_NE(tool({"fix", argument(scratch.path())}).out.find("nothing to repair"),
              std::string::npos);
    EXPECT_EQ(bytes_of(scratch.path()), after);
    EXPECT_FALSE(std::filesystem::exists(scratch.folder() / "bdd.mdb.bak.1"));
}

}  // namespace
