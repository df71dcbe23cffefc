// The Jet dialect over SQLite: LIKE, the statement text SQLite gets, what a statement stores
// and reads back through Connection and Recordset, and which run-time error each failure is.
#include <gtest/gtest.h>

#include <optional>

#include "platform/ado/connection.h"
#include "platform/ado/jet_dialect.h"
#include "platform/ado/jet_like.h"
#include "platform/ado/recordset.h"
#include "platform/vb/variant.h"
#include "run_time_error.h"
#include "scratch_database.h"

namespace {

using namespace std::string_view_literals;
using test_support::error_of;
using Texts = std::vector<vb::String>;

TEST(JetLike, MatchesExactlyAsTheJetDialectDoes) {
    constexpr auto M = ado::LikeResult::kMatch, N = ado::LikeResult::kNoMatch,
                   X = ado::LikeResult::kInvalidPattern;
    struct Case {
        const char16_t* text;
        const char16_t* pattern;
        ado::LikeResult result;
    };
    for (const Case c : {Case{u"bob", u"bob", M}, {u"bob", u"Bob", N},    {u"bob ", u"bob", N},
                         {u"", u"%", M},          {u"abc", u"a%", M},     {u"abc", u"%b%", M},
                         {u"abc", u"a_c", M},     {u"ac", u"a_c", N},     {u"a%c", u"a[%]c", M},
                         {u"abc", u"a[%]c", N},   {u"b", u"[!a]", M},     {u"a", u"[!a]", N},
                         {u"a", u"[a-z]", M},     {u"m", u"[a-z]", M},    {u"M", u"[a-z]", N},
                         {u"*?#", u"*?#", M},     {u"abc", u"*", N},      {u"a", u"[]", X},
                         {u"a", u"[a", X},        {u"aaab", u"%a%a%c", N}}) {
        EXPECT_EQ(ado::jet_like(c.text, c.pattern), c.result)
            << vb::to_utf8(c.text) << " LIKE " << vb::to_utf8(c.pattern);
    }
}

TEST(JetDialect, StatementsReachSqliteAsOneStatementWithLiteralsUntouched) {
    struct Case {
        std::u16string_view jet;
        std::optional<std::u16string_view> sqlite;  // none: refused
    };
    const Case cases[] = {
        {u"DELETE * FROM compte WHERE compte.loggin='x';",
         u"DELETE FROM compte WHERE compte.loggin='x'"},
        {u"delete   *\nfrom t;", u"DELETE from t"},
        {u"SELECT 'DELETE * FROM x;' FROM t;", u"SELECT 'DELETE * FROM x;' FROM t"},
        {u"SELECT 'it''s';", u"SELECT 'it''s'"},
        {u"SELECT 'a\0b';"sv,
         u"SELECT replace('a\x01"
         u"b',char(1),char(0))"},
        {u"SELECT 1; DELETE FROM compte;", std::nullopt},
        {u"SELECT 'open", std::nullopt},
        // SQLite would read a second statement after a quoted name or a comment.
        {u"SELECT \"'\"; DELETE FROM compte; '", std::nullopt},
        {u"SELECT 1 AS [a'b]; DELETE FROM compte; '", std::nullopt},
        {u"SELECT 1 --'\n; DELETE FROM compte; '", u"SELECT 1 - -'\n; DELETE FROM compte; '"},
        {u"SELECT 2--1, 1/*2", u"SELECT 2- -1, 1/ *2"},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto sqlite = ado::to_sqlite(c.jet, error);
        EXPECT_EQ(sqlite, c.sqlite) << vb::to_utf8(c.jet) << ": " << error;
    }
    std::string error;
    ado::to_sqlite(u"SELECT 1; SELECT 2", error);
    EXPECT_EQ(error, "Characters found after end of SQL statement.");
}

class Ado : public ::testing::Test {
protected:
    Ado() { db.exec("INSERT INTO compte VALUES ('bob','pw'), ('Bob','PW'), ('bob ','sp');"); }

    void open(const vb::String& provider = ado::kJetProvider) {
        connection.Provider = provider;
        connection.ConnectionString = vb::from_utf8(db.path().string());
        connection.Open();
    }

    Texts column(const vb::String& statement, std::u16string_view name = u"pwd") {
        ado::Recordset rs;
        rs.Open(statement, connection, ado::adOpenDynamic, ado::adLockOptimistic);
        Texts values;
        for (; !rs.Eof(); rs.MoveNext()) {
            values.push_back(rs.Fields(name).is_null() ? u"<null>" : vb::CStr(rs.Fields(name)));
        }
        return values;
    }

    void run(const vb::String& statement) {
        ado::Recordset rs;
        rs.Open(statement, connection, ado::adOpenDynamic, ado::adLockOptimistic);
    }

    test_support::ScratchDatabase db;
    ado::Connection connection;
};

TEST_F(Ado, WritesInTheJetDialectAndComparesExactlyAboutCaseAndBlanks) {
    open();
    run(u"INSERT INTO compte (loggin, pwd) VALUES ('ann','x');");
    run(u"UPDATE compte SET pwd='y' WHERE loggin='ann';");
    run(u"DELETE * FROM compte WHERE compte.loggin='ann';");
    db.exec("INSERT INTO compte VALUES ('nul', NULL), ('blob', x'41420043'), ('num', 12);");
    const std::pair<const char16_t*, Texts> selects[] = {
        {u"SELECT loggin,pwd FROM compte", {u"pw", u"PW", u"sp", u"<null>", {u"AB\0C", 4}, u"12"}},
        {u"SELECT pwd FROM compte WHERE loggin='bob';", {u"pw"}},
        {u"SELECT pwd FROM compte WHERE loggin LIKE 'bob';", {u"pw"}},
        {u"SELECT pwd FROM compte WHERE loggin LIKE 'b%';", {u"pw", u"sp", {u"AB\0C", 4}}},
        {u"SELECT pwd FROM compte WHERE loggin LIKE '_ob';", {u"pw", u"PW"}},
    };
    for (const auto& [statement, expected] : selects) {
        EXPECT_EQ(column(statement, u"PWD"), expected) << vb::to_utf8(statement);
    }
    ado::Recordset rs;
    rs.Open(u"SELECT loggin FROM compte WHERE 0;", connection, ado::adOpenDynamic,
            ado::adLockOptimistic);
    EXPECT_EQ(rs.RecordCount(), 0);
    EXPECT_TRUE(rs.Eof());
    EXPECT_EQ(error_of([&] { (void)rs.Fields(u"loggin"); }).number(), -2146825267);
    EXPECT_EQ(error_of([&] { (void)rs.Fields(u"nothing"); }).number(), -2146825023);
}

TEST_F(Ado, FailuresBecomeTheRunTimeErrorsOfAdo) {
    EXPECT_EQ(error_of([&] { open(u"SQLOLEDB"); }).number(), ado::kProviderNotFound);
    open();
    for (const char16_t* refused :
         {u"SELECT x FROM nowhere;", u"SELECT nothing FROM compte;",
          u"SELECT 1; DELETE FROM compte;", u"SELECT 1 FROM compte WHERE loggin LIKE '[a';"}) {
        EXPECT_EQ(error_of([&] { run(refused); }).number(), ado::kStatementRefused);
    }
    EXPECT_EQ(column(u"SELECT pwd FROM compte").size(), 3u);
}

}  // namespace
