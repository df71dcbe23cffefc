// What `check` finds in damaged files, and what `fix` repairs and leaves.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/vb/fixed_text.h"
#include "scratch_database.h"
#include "tool_run.h"

namespace {

using test_support::filled;

std::string row(const std::string& table, const std::string& values) {
    return "INSERT INTO " + table + " VALUES (" + values + ");";
}

std::string site(const std::string& owner, const std::string& port) {
    return row("ftp", "'" + owner + "','l','a','m'," + port + ",'n'");
}

// `count` copies of a row made by `select`, its number i counting from 1.
std::string many(const std::string& table, int count, const std::string& select) {
    return "INSERT INTO " + table + " WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 " +
           "FROM n WHERE i < " + std::to_string(count) + ") SELECT " + select + " FROM n;";
}

TEST(Check, FindsWhatWouldStopTheProgramOrHideARow) {
    const std::string ann = filled("ann"), quoted_ann = "'" + ann + "'";
    // Each damage with a line of the report; only warnings let check succeed.
    const std::pair<std::string, std::string> cases[] = {
        {"DROP TABLE compte;", "compte: the table is missing"},
        {"ALTER TABLE ftp DROP COLUMN port;", "ftp, column port: the column is missing"},
        {row("compte", "'" + filled("bob") + "',NULL"),
         "compte, row 2, column pwd: Null: the program stops with Invalid use of Null"},
        {site(ann, "32768"), "ftp, row 1, column port: 32768 is outside -32768..32767"},
        {site(ann, "'21.5'"), "port: 21.5 is not a whole number"},
        {row("contact", quoted_ann + ",-32769,'n','p','a','c','v'"), "num: -32769 is outside"},
        {row("acceder", quoted_ann + "," + quoted_ann + ",'yes',0"), "ftpa: yes is not a Boolean"},
        {row("compte", "'" + filled("bob", 49) + "','pw'"),
         "is not filled to 50 characters (it holds 49)"},
        {row("acceder", quoted_ann + ",'" + filled("ann", 51) + "',0,0"),
         "is longer than 50 characters (it holds 51)"},
        {row("compte", "'ann','other'"),
         "compte, rows 1 and 2, column loggin: the login ann is stored more than once"},
        {row("compte", "'" + filled("bob") + "','" + std::string(26, 'p') + "'"),
         "warning: compte, row 2, column pwd: the password is longer than 25 characters"},
        {site(filled("ghost"), "21"), "ftp, row 1, column loggin: no account ghost owns this row"},
        {site(filled(" Public"), "21") + site(ann, "32767") +
             row("contact", quoted_ann + ",-32768,'n','p','a','c','v'") +
             row("acceder", quoted_ann + "," + quoted_ann + ",-1,'True'") +
             // 32767 accounts, and 7 entries bringing 4681 contacts each, load 32767 rows
             many("compte", 32766, "printf('%-50d', i), 'p'") +
             many("acceder", 6, quoted_ann + "," + quoted_ann + ",0,0") +
             many("contact", 4680, quoted_ann + ",i,'n','p','a','c','v'"),
         "no problem found"},
        {many("compte", 32767, "printf('%-50d', i), 'p'"), "compte: 32768 rows"},
        {many("acceder", 200, quoted_ann + "," + quoted_ann + ",0,0") +
             many("contact", 200, quoted_ann + ",i,'n','p','a','c','v'"),
         "contact: logging ann on would load 40000 rows"},
        {"CREATE INDEX i ON compte (pwd); PRAGMA writable_schema = ON; UPDATE sqlite_master "
         "SET sql = 'CREATE INDEX i ON compte (loggin)' WHERE name = 'i';",
         "file: damaged: "},
    };
    for (const auto& [damage, line] : cases) {
        SCOPED_TRACE(damage.substr(0, 120));
        const test_support::ScratchDatabase scratch;
        scratch.exec(row("compte", quoted_ann + ",'pw'") + damage);
        const std::string before = bytes_of(scratch.path());
        const ToolRun checked = tool({"check", argument(scratch.path())});
        EXPECT_EQ(checked.status,
                  line.starts_with("warning") || line == "no problem found" ? 0 : 1);
        EXPECT_NE(checked.out.find(line), std::string::npos) << checked.out;
        EXPECT_EQ(bytes_of(scratch.path()), before);
    }
}

// A file made by hand: logins typed without their fill are found once fixed; the one whose
// fill would make a second "erik" is left for a person; an earlier backup is kept.
TEST(Fix, FillsLoginsAfterABackupAndLeavesWhatNeedsAPerson) {
    const test_support::ScratchDatabase scratch;
    scratch.exec(row("compte", "'erik','pw'") + row("compte", "'erik ','other'") +
                 row("compte", "'zoé','pw'") + row("acceder", "'erik','zoé',1,1") +
                 site("zoé", "21") + site(filled("x", 60), "21"));
    std::ofstream(scratch.folder() / "bdd.mdb.bak") << "an earlier backup";
    const std::string before = bytes_of(scratch.path());
    const ToolRun fixed = tool({"fix", argument(scratch.path())});
    EXPECT_EQ(fixed.status, 1);
    EXPECT_NE(fixed.out.find("filled or cut 6 logins to 50 characters; the file as it was is " +
                             (scratch.folder() / "bdd.mdb.bak.1").string() +
                             "\nleft for you to decide:\ncompte, row 2, column loggin: the "
                             "login 'erik ' is not filled"),
              std::string::npos)
        << fixed.out;
    EXPECT_EQ(bytes_of(scratch.folder() / "bdd.mdb.bak.1"), before);
    EXPECT_EQ(bytes_of(scratch.folder() / "bdd.mdb.bak"), "an earlier backup");

    log_on({{u"erik", u"pw"}});
    ASSERT_EQ(Module1::nb_acces, 1);
    EXPECT_EQ(Module1::acces[0].psd, vb::FixedText<50>(u"zoé"));
}

}  // namespace
