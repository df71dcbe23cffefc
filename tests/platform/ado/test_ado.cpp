#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ado/connection.h"
#include "ado/recordset.h"
#include "run_time_error.h"
#include "scratch_database.h"
#include "vb/runtime_error.h"
#include "vb/variant.h"

namespace {

using test_support::error_of;

class Ado : public ::testing::Test {
protected:
    Ado() {
        db.exec(
            "INSERT INTO compte VALUES ('bob','pw'), ('Bob','PW'), ('bob ','sp'), "
            "('nul', NULL);");
    }

    void open(const std::filesystem::path& path) {
        connection.Provider = ado::kJetProvider;
        connection.ConnectionString = vb::from_utf8(path.string());
        connection.Open();
    }

    std::vector<vb::String> column(const vb::String& statement, std::u16string_view name) {
        ado::Recordset rs;
        rs.Open(statement, connection, ado::adOpenDynamic, ado::adLockOptimistic);
        std::vector<vb::String> values;
        if (rs.RecordCount() > 0) {
            rs.MoveLast();
            rs.MoveFirst();
        }
        for (; !rs.Eof(); rs.MoveNext()) {
            values.push_back(rs.Fields(name).is_null() ? u"<null>" : vb::CStr(rs.Fields(name)));
        }
        rs.Close();
        return values;
    }

    void run(const vb::String& statement) {
        ado::Recordset rs;
        rs.Open(statement, connection, ado::adOpenDynamic, ado::adLockOptimistic);
    }

    test_support::ScratchDatabase db;
    ado::Connection connection;
};

using Texts = std::vector<vb::String>;

TEST_F(Ado, ReadsRowsInOrderWithNullAndColumnNamesInAnyCase) {
    open(db.path());
    EXPECT_EQ(column(u"SELECT loggin,pwd FROM compte", u"PWD"),
              (Texts{u"pw", u"PW", u"sp", u"<null>"}));
    ado::Recordset rs;
    rs.Open(u"SELECT loggin FROM compte WHERE 0;", connection, ado::adOpenDynamic,
            ado::adLockOptimistic);
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(error_of([&] { (void)rs.Fields(u"loggin"); }).number(), -2146825267);
    EXPECT_EQ(error_of([&] { (void)rs.Fields(u"nothing"); }).number(), -2146825023);
}

TEST_F(Ado, ComparisonsAreExactAboutCaseAndTrailingBlanks) {
    open(db.path());
    EXPECT_EQ(column(u"SELECT pwd FROM compte WHERE loggin='bob';", u"pwd"), (Texts{u"pw"}));
    EXPECT_EQ(column(u"SELECT pwd FROM compte WHERE loggin LIKE 'bob';", u"pwd"), (Texts{u"pw"}));
    EXPECT_EQ(column(u"SELECT pwd FROM compte WHERE loggin LIKE 'b%';", u"pwd"),
              (Texts{u"pw", u"sp"}));
    EXPECT_EQ(column(u"SELECT pwd FROM compte WHERE loggin LIKE '_ob';", u"pwd"),
              (Texts{u"pw", u"PW"}));
}

TEST_F(Ado, TheThreeWritesRunInTheJetDialect) {
    open(db.path());
    run(u"INSERT INTO compte (loggin, pwd) VALUES ('ann','x');");
    run(u"UPDATE compte SET pwd='y' WHERE loggin='ann';");
    EXPECT_EQ(column(u"SELECT pwd FROM compte WHERE loggin='ann';", u"pwd"), (Texts{u"y"}));
    run(u"DELETE * FROM compte WHERE compte.loggin='bob';");
    EXPECT_EQ(column(u"SELECT loggin FROM compte", u"loggin"),
              (Texts{u"Bob", u"bob ", u"nul", u"ann"}));
}

// Values the fuzzer found breaking a statement or leaving their quotes.
TEST_F(Ado, AnyTextInALiteralIsStoredAsWritten) {
    open(db.path());
    const vb::String nuls = vb::String(2000, u'\0') + u"x\x01";
    run(u"INSERT INTO compte (loggin, pwd) VALUES ('nuls','" + nuls + u"');");
    EXPECT_EQ(column(u"SELECT pwd FROM compte WHERE loggin LIKE 'nuls';", u"pwd"), Texts{nuls});
    // A lone surrogate must not take the doubled quote after it along.
    run(u"INSERT INTO compte (loggin, pwd) VALUES ('\xD800'', pwd) --','lone');");
    EXPECT_EQ(column(u"SELECT loggin FROM compte WHERE pwd='lone';", u"loggin"),
              Texts{u"\xFFFD', pwd) --"});
}

// ASCII and other text kept apart in the result, read back alike, in row order.
TEST_F(Ado, AsciiAndOtherTextsReadBackInTheirRowsOrder) {
    open(db.path());
    const vb::String long_ascii(40000, u'a');
    run(u"INSERT INTO compte (loggin, pwd) VALUES ('mix','\u00E9t\u00E9');");
    run(u"INSERT INTO compte (loggin, pwd) VALUES ('mix','" + long_ascii + u"');");
    run(u"INSERT INTO compte (loggin, pwd) VALUES ('mix','\U0001F600 ok');");
    run(u"INSERT INTO compte (loggin, pwd) VALUES ('mix','plain');");
    EXPECT_EQ(column(u"SELECT pwd FROM compte WHERE loggin='mix';", u"pwd"),
              (Texts{u"\u00E9t\u00E9", long_ascii, u"\U0001F600 ok", u"plain"}));
    db.exec("INSERT INTO compte VALUES ('blob', x'41420043'), ('num', 12);");
    EXPECT_EQ(column(u"SELECT pwd FROM compte WHERE loggin='blob' OR loggin='num';", u"pwd"),
              (Texts{vb::String(u"AB\0C", 4), u"12"}));
}

TEST_F(Ado, BadStatementsAreRefused) {
    open(db.path());
    EXPECT_EQ(error_of([&] { run(u"SELECT x FROM nowhere;"); }).number(), ado::kStatementRefused);
    EXPECT_EQ(error_of([&] { run(u"SELECT nothing FROM compte;"); }).number(),
              ado::kStatementRefused);
    EXPECT_EQ(error_of([&] { run(u"SELECT 1; DELETE FROM compte;"); }).number(),
              ado::kStatementRefused);
    EXPECT_EQ(error_of([&] { run(u"SELECT 1 FROM compte WHERE loggin LIKE '[a';"); }).number(),
              ado::kStatementRefused);
    EXPECT_EQ(column(u"SELECT loggin FROM compte", u"loggin").size(), 4u);
}

TEST_F(Ado, OpeningAMissingFileFailsAndCreatesNothing) {
    const auto missing = db.folder() / "other.mdb";
    const auto error = error_of([&] { open(missing); });
    EXPECT_EQ(error.number(), ado::kGeneralFailure);
    EXPECT_EQ(error.description(), "Could not find file '" + missing.string() + "'.");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(Ado, AnotherProviderIsNotFound) {
    connection.Provider = u"SQLOLEDB";
    connection.ConnectionString = vb::from_utf8(db.path().string());
    EXPECT_EQ(error_of([&] { connection.Open(); }).number(), ado::kProviderNotFound);
}

TEST_F(Ado, FilesThatAreNotDatabasesAreReportedAtOpen) {
    for (const std::string& content : {std::string(), std::string(4096, '\x5a')}) {
        const auto path = db.folder() / "bad.mdb";
        std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
        const auto error = error_of([&] { open(path); });
        EXPECT_EQ(error.number(), ado::kGeneralFailure);
        EXPECT_EQ(error.description(), "Unrecognized database format '" + path.string() + "'.");
        EXPECT_EQ(std::filesystem::file_size(path), content.size());
    }
}

TEST_F(Ado, AWriteToAReadOnlyFileFails) {
    if (geteuid() == 0) {
        GTEST_SKIP() << "root writes to read-only files";
    }
    std::filesystem::permissions(db.path(), std::filesystem::perms::owner_read);
    open(db.path());
    EXPECT_EQ(column(u"SELECT pwd FROM compte WHERE loggin='bob';", u"pwd"), (Texts{u"pw"}));
    EXPECT_EQ(error_of([&] { run(u"DELETE * FROM compte;"); }).number(), ado::kGeneralFailure);
}

TEST_F(Ado, AFileLockedByAnotherWriterIsInUse) {
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(db.path().c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
    const auto error = error_of([&] {
        open(db.path());
        run(u"SELECT loggin,pwd FROM compte");
    });
    EXPECT_EQ(error.number(), ado::kGeneralFailure);
    EXPECT_EQ(error.description(),
              "Could not use '" + db.path().string() + "'; file already in use.");
    sqlite3_exec(other, "ROLLBACK;", nullptr, nullptr, nullptr);
    sqlite3_close(other);
}

}  // namespace
