// Fuzzes the Jet dialect with two texts a and b: the cheap laws of LIKE, a free statement
// text that SQLite must read as one statement, and the system's statements, which must
// store a and b as typed and touch a's rows only.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "ado/connection.h"
#include "ado/jet_dialect.h"
#include "ado/jet_like.h"
#include "ado/recordset.h"
#include "data/statements.h"
#include "fuzz_input.h"
#include "scratch_database.h"
#include "vb/variant.h"

namespace {

using ado::LikeResult;
using vb::String;

void require(bool holds, const char* property, std::u16string_view a) {
    if (!holds) {
        std::fprintf(stderr, "%s\n  a: %s\n", property, vb::to_utf8(a).c_str());
        std::abort();
    }
}

// The pattern that matches exactly `text`.
String literal(std::u16string_view text) {
    String pattern;
    for (char16_t c : text) {
        pattern += c == u'%' || c == u'_' || c == u'[' ? String{u'[', c, u']'} : String(1, c);
    }
    return pattern;
}

void check_like(const String& a, const String& b) {
    if (b.find_first_of(u"%_[") == String::npos) {
        require((ado::jet_like(a, b) == LikeResult::kMatch) == (a == b),
                "a pattern without wildcard matches exactly itself", a);
    }
    require(ado::jet_like(a + b, literal(a) + u"%") == LikeResult::kMatch,
            "a bracketed prefix followed by % matches", a);
    require(ado::jet_like(b + a, u"%" + literal(a)) == LikeResult::kMatch,
            "% followed by a bracketed suffix matches", a);
}

// Only prepared, never run, on a database of its own.
void check_free_statement(const String& jet) {
    std::string error;
    const auto sqlite = ado::to_sqlite(jet, error);
    if (!sqlite) {
        return;
    }
    require(sqlite->find(u'\0') == String::npos, "no NUL reaches SQLite", jet);
    require(ado::to_sqlite(*sqlite, error) == sqlite, "a converted statement stays as it is", jet);
    sqlite3* db = nullptr;
    sqlite3_open(":memory:", &db);
    sqlite3_exec(db, "CREATE TABLE compte (loggin TEXT, pwd TEXT);", nullptr, nullptr, nullptr);
    sqlite3_stmt* statement = nullptr;
    const void* tail = nullptr;
    if (sqlite3_prepare16_v2(db, sqlite->data(), static_cast<int>(sqlite->size() * 2), &statement,
                             &tail) == SQLITE_OK &&
        tail != nullptr) {
        const auto* rest = static_cast<const char16_t*>(tail);
        const std::u16string_view after(rest, sqlite->data() + sqlite->size() - rest);
        require(after.find_first_not_of(u" \t\r\n") == String::npos,
                "SQLite reads one statement only", jet);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

struct Database {
    Database() {
        connection.Provider = ado::kJetProvider;
        connection.ConnectionString = vb::from_utf8(scratch.path().string());
        connection.Open();
        // The file is thrown away: durability would only slow the fuzzer down.
        sqlite3_exec(connection.handle(), "PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF;",
                     nullptr, nullptr, nullptr);
    }
    test_support::ScratchDatabase scratch;
    ado::Connection connection;
};

ado::Connection& connection() {
    static Database database;
    return database.connection;
}

void run(const String& statement) {
    ado::Recordset rows;
    rows.Open(statement, connection(), ado::adOpenDynamic, ado::adLockOptimistic);
}

// The statement's rows, two columns of each.
std::vector<std::pair<String, String>> rows_of(const String& statement, const char16_t* first,
                                               const char16_t* second) {
    ado::Recordset rows;
    rows.Open(statement, connection(), ado::adOpenDynamic, ado::adLockOptimistic);
    std::vector<std::pair<String, String>> out;
    for (; !rows.Eof(); rows.MoveNext()) {
        out.emplace_back(vb::CStr(rows.Fields(first)), vb::CStr(rows.Fields(second)));
    }
    return out;
}

// Two accounts, a and b, each with the other's name as password, and an entry of each for
// the other; every statement that names a must touch a's rows only.
void check_statements(const String& a, const String& b) {
    sqlite3_exec(connection().handle(), "DELETE FROM compte; DELETE FROM acceder;", nullptr,
                 nullptr, nullptr);
    run(statements::new_account(a, b));
    run(statements::new_account(b, a));
    // As the database keeps them: a lone surrogate cannot be stored and reads back as U+FFFD.
    const String sa = vb::well_formed(a), sb = vb::well_formed(b);
    std::vector<std::pair<String, String>> expected{{sa, sb}, {sb, sa}};
    const auto accounts = [] { return rows_of(statements::all_accounts(), u"loggin", u"pwd"); };
    require(accounts() == expected, "new accounts hold the values as typed", a);

    sqlite3_exec(connection().handle(), "INSERT INTO acceder (loggin, psd) SELECT * FROM compte;",
                 nullptr, nullptr, nullptr);
    const auto rights = rows_of(statements::access_rights_of(a), u"psd", u"psd");
    require(rights.size() == (sa == sb ? 2 : 1) && rights[0].first == sb,
            "the rights of a are a's rows only", a);

    run(statements::new_password(u"changed", a));
    for (auto& [login, password] : expected) {
        password = login == sa ? u"changed" : password;
    }
    require(accounts() == expected, "a new password changes a's row only", a);
    run(statements::delete_account(a));
    std::erase_if(expected, [&](const auto& row) { return row.first == sa; });
    require(accounts() == expected, "deleting a removes a's row only", a);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two fields, a and b, split at the first 0xFF byte.
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(bytes.find('\xFF'), size);
    const String a = fuzz_input::decode(bytes.substr(0, split));
    const String b = fuzz_input::decode(bytes.substr(std::min(split + 1, size)));
    check_like(a, b);
    check_free_statement(a);
    check_statements(a, b);
    return 0;
}
