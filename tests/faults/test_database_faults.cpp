// The database file broken, locked, protected or holding values the program cannot take:
// each ends the program with the report, and what was only read stays byte for byte.
#include <sqlite3.h>

#include <fstream>
#include <random>

#include "driven_program.h"
#include "scratch_database.h"

namespace {

using faults::bytes_of;
using faults::expect_report;
using faults::kGeneralFailure;
using faults::kStatementRefused;

const std::vector<std::string> kLogOn{"login", "log", "ann", "pw"};
const std::vector<std::string> kNewUser{"login", "new", "zed", "pw"};

class DatabaseFaults : public ::testing::Test {
protected:
    DatabaseFaults() {
        db.exec("INSERT INTO compte VALUES ('" + test_support::filled("ann") + "','pw');");
        // The public entry's rights, sites and contacts are read as the program starts.
        db.exec("INSERT INTO acceder VALUES ('" + test_support::filled(" Public") + "','" +
                test_support::filled("ann") + "',1,1);");
        db.exec("INSERT INTO ftp VALUES ('" + test_support::filled(" Public") +
                "','u','host','m',21,'site');");
        db.exec("INSERT INTO contact VALUES ('" + test_support::filled(" Public") +
                "',1,'nom','prenom','adress','75000','ville');");
        faults::give_away(db.folder());
    }

    // Runs `steps`, expecting the report, and the file untouched since it only reads.
    void expect_read_fault(const std::vector<std::string>& steps, const std::string& number,
                           const std::string& description) const {
        const std::string before = bytes_of(db.path());
        expect_report(faults::run(db.path(), steps), number, description);
        EXPECT_EQ(bytes_of(db.path()), before);
    }

    void write_file(const std::string& content) const {
        std::ofstream(db.path(), std::ios::binary | std::ios::trunc) << content;
    }

    std::string unrecognized() const {
        return "Unrecognized database format '" + db.path().string() + "'.";
    }

    test_support::ScratchDatabase db;
};

TEST_F(DatabaseFaults, TheProgramDrivenOnAHealthyDatabaseEndsWell) {
    const auto outcome = faults::run(db.path(), {"login", "log", "ann", "pw", "new", "zed", "pw"});
    faults::expect_success(outcome);
    EXPECT_EQ(outcome.out,
              "log: Loggued As " + test_support::filled("ann") + "\nnew: New User Added\n");
}

TEST_F(DatabaseFaults, AFileThatIsNoDatabaseIsReportedAtStart) {
    std::string random(4096, '\0');
    std::mt19937 generator(7);
    for (char& byte : random) {
        byte = static_cast<char>(generator());
    }
    const std::string database = bytes_of(db.path());
    ASSERT_GT(database.size(), 4096u);
    for (const std::string& content : {random, std::string(), database.substr(0, 1500),
                                       database.substr(0, database.size() - 4096)}) {
        SCOPED_TRACE(content.size());
        write_file(content);
        expect_read_fault({}, kGeneralFailure, unrecognized());
    }
}

TEST_F(DatabaseFaults, AMissingTableOrColumnIsARefusedStatement) {
    db.exec("ALTER TABLE compte DROP COLUMN pwd;");
    expect_read_fault(kLogOn, kStatementRefused, "no such column: pwd");
    db.exec("DROP TABLE contact;");
    expect_read_fault({}, kStatementRefused, "no such table: contact");
}

TEST_F(DatabaseFaults, ANullInAnyColumnReadIsAnInvalidUseOfNull) {
    const struct {
        const char* table;
        const char* column;
    } columns[] = {
        {"compte", "loggin"},    {"compte", "pwd"},     {"acceder", "psd"}, {"acceder", "ftpa"},
        {"acceder", "contacta"}, {"ftp", "log"},        {"ftp", "adress"},  {"ftp", "mdp"},
        {"ftp", "port"},         {"ftp", "nom"},        {"contact", "num"}, {"contact", "nom"},
        {"contact", "prenom"},   {"contact", "adress"}, {"contact", "cp"},  {"contact", "ville"}};
    for (const auto& [table, column] : columns) {
        SCOPED_TRACE(std::string(table) + "." + column);
        const std::string before = bytes_of(db.path());
        db.exec(std::string("UPDATE ") + table + " SET " + column + " = NULL;");
        expect_read_fault(kLogOn, "94", "Invalid use of Null");
        write_file(before);
    }
}

TEST_F(DatabaseFaults, NumbersBeyondSixteenBitsOverflow) {
    for (const char* change : {"UPDATE ftp SET port = 32768;", "UPDATE contact SET num = -32769;",
                               "UPDATE ftp SET port = 1e10;"}) {
        SCOPED_TRACE(change);
        const std::string before = bytes_of(db.path());
        db.exec(change);
        expect_read_fault({}, "6", "Overflow");
        write_file(before);
    }
}

TEST_F(DatabaseFaults, TheAccountsCountOverflowsBeyond32767Rows) {
    db.exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 32766) "
        "INSERT INTO compte SELECT 'user' || i, 'pw' FROM n;");
    const auto outcome = faults::run(db.path(), kLogOn);
    faults::expect_success(outcome);
    EXPECT_EQ(outcome.out, "log: Loggued As " + test_support::filled("ann") + "\n");

    db.exec("INSERT INTO compte VALUES ('one more', 'pw');");
    expect_read_fault(kLogOn, "6", "Overflow");
}

TEST_F(DatabaseFaults, AFileLockedByAnotherWriterIsReportedInUse) {
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(db.path().c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
    expect_report(faults::run(db.path(), {}), kGeneralFailure,
                  "Could not use '" + db.path().string() + "'; file already in use.");
    sqlite3_exec(holder, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
}

TEST_F(DatabaseFaults, AWriteToAReadOnlyFileOrFolderIsReported) {
    const std::string refused =
        "Operation must use an updateable query. (attempt to write a readonly database)";
    const std::string before = bytes_of(db.path());
    std::filesystem::permissions(db.path(), std::filesystem::perms::owner_read);
    auto outcome = faults::run(db.path(), kNewUser);
    expect_report(outcome, kGeneralFailure, refused);
    EXPECT_EQ(bytes_of(db.path()), before);

    std::filesystem::permissions(
        db.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::filesystem::permissions(
        db.folder(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    outcome = faults::run(db.path(), kNewUser);
    expect_report(outcome, kGeneralFailure, refused);
    EXPECT_EQ(bytes_of(db.path()), before);
}

}  // namespace
