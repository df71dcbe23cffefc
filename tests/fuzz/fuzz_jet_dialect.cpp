// Fuzzes the Jet dialect: LIKE against a slow matcher and the patterns the system builds,
// free statement texts against SQLite's own reading, and the system's statements, run on a
// scratch database with the fuzzed values, against the rows they must touch.
#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
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

void require(bool holds, const char* property, std::u16string_view a, std::u16string_view b) {
    if (!holds) {
        std::fprintf(stderr, "%s\n  a: %s\n  b: %s\n", property, vb::to_utf8(a).c_str(),
                     vb::to_utf8(b).c_str());
        std::abort();
    }
}

bool has_wildcard(std::u16string_view text) {
    return text.find_first_of(u"%_[") != std::u16string_view::npos;
}

// The pattern that matches exactly `text`.
String literal(std::u16string_view text) {
    String pattern;
    for (char16_t c : text) {
        if (c == u'%' || c == u'_' || c == u'[') {
            pattern += u'[';
            pattern += c;
            pattern += u']';
        } else {
            pattern += c;
        }
    }
    return pattern;
}

// The oracle's reading of a pattern: one piece a position, none where it is malformed.
struct Piece {
    bool any_run = false;
    bool negated = false;
    std::vector<std::pair<char16_t, char16_t>> ranges;  // none: any one character

    bool accepts(char16_t c) const {
        if (ranges.empty()) {
            return true;
        }
        bool in = false;
        for (const auto& [low, high] : ranges) {
            in = in || (low <= c && c <= high);
        }
        return in != negated;
    }
};

std::optional<std::vector<Piece>> pieces_of(std::u16string_view pattern) {
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        Piece piece;
        if (pattern[i] == u'%') {
            piece.any_run = true;
        } else if (pattern[i] == u'[') {
            std::size_t start = i + 1;
            piece.negated = start < pattern.size() && pattern[start] == u'!';
            start += piece.negated;
            const std::size_t close = pattern.find(u']', start);
            if (close == std::u16string_view::npos || close == start) {
                return std::nullopt;
            }
            const auto body = pattern.substr(start, close - start);
            for (std::size_t k = 0; k < body.size(); ++k) {
                const bool range = k + 2 < body.size() && body[k + 1] == u'-';
                piece.ranges.emplace_back(body[k], body[range ? k + 2 : k]);
                k += range ? 2 : 0;
            }
            i = close;
        } else if (pattern[i] != u'_') {
            piece.ranges.emplace_back(pattern[i], pattern[i]);
        }
        pieces.push_back(std::move(piece));
    }
    return pieces;
}

// A slow matcher read straight from the rules of the dialect: every position of the
// pattern the text can have reached, character after character.
std::optional<bool> slow_like(std::u16string_view text, std::u16string_view pattern) {
    const auto pieces = pieces_of(pattern);
    if (!pieces) {
        return std::nullopt;
    }
    const std::size_t n = pieces->size();
    auto close_over_runs = [&](std::vector<bool>& reached) {
        for (std::size_t p = 0; p < n; ++p) {
            if (reached[p] && (*pieces)[p].any_run) {
                reached[p + 1] = true;
            }
        }
    };
    std::vector<bool> reached(n + 1);
    reached[0] = true;
    close_over_runs(reached);
    for (char16_t c : text) {
        std::vector<bool> next(n + 1);
        for (std::size_t p = 0; p < n; ++p) {
            if (reached[p] && (*pieces)[p].any_run) {
                next[p] = true;
            } else if (reached[p] && (*pieces)[p].accepts(c)) {
                next[p + 1] = true;
            }
        }
        close_over_runs(next);
        reached = std::move(next);
    }
    return reached.back();
}

void check_like(const String& a, const String& b) {
    const LikeResult result = ado::jet_like(a, b);
    if (a.size() * b.size() <= 100000) {
        const auto expected = slow_like(a, b);
        require(expected ? result == (*expected ? LikeResult::kMatch : LikeResult::kNoMatch)
                         : result == LikeResult::kInvalidPattern,
                "jet_like(a, b) differs from the slow matcher", a, b);
    }
    if (!has_wildcard(b)) {
        require((result == LikeResult::kMatch) == (a == b),
                "a pattern without wildcard matches exactly itself", a, b);
    }
    require(ado::jet_like(a, literal(a)) == LikeResult::kMatch,
            "the text with its wildcards bracketed matches the text", a, b);
    require(ado::jet_like(a + b, literal(a) + u"%") == LikeResult::kMatch,
            "a bracketed prefix followed by % matches", a, b);
    require(ado::jet_like(b + a, u"%" + literal(a)) == LikeResult::kMatch,
            "% followed by a bracketed suffix matches", a, b);
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

Database& database() {
    static Database instance;
    return instance;
}

// What SQLite makes of a statement text that the dialect accepted: it must read one
// statement, whatever it says. Only prepared, never run, on a database of its own.
void check_free_statement(const String& jet) {
    std::string error;
    const auto sqlite = ado::to_sqlite(jet, error);
    if (!sqlite) {
        return;
    }
    require(sqlite->find(u'\0') == String::npos, "no NUL reaches SQLite", jet, *sqlite);
    require(ado::to_sqlite(*sqlite, error) == sqlite, "a converted statement stays as it is", jet,
            *sqlite);
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
        require(after.find_first_not_of(u" \t\r\n") == std::u16string_view::npos,
                "SQLite reads one statement only", jet, *sqlite);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

using Accounts = std::vector<std::pair<String, String>>;

Accounts accounts() {
    ado::Recordset rows;
    rows.Open(statements::all_accounts(), database().connection, ado::adOpenDynamic,
              ado::adLockOptimistic);
    Accounts out;
    for (; !rows.Eof(); rows.MoveNext()) {
        out.emplace_back(vb::CStr(rows.Fields(u"loggin")), vb::CStr(rows.Fields(u"pwd")));
    }
    return out;
}

void run(const String& statement) {
    ado::Recordset rows;
    rows.Open(statement, database().connection, ado::adOpenDynamic, ado::adLockOptimistic);
}

// The text as the database keeps it: a lone surrogate cannot be stored and reads back as U+FFFD.
String stored(std::u16string_view text) {
    return vb::from_utf8(vb::to_utf8(text));
}

// Two accounts, a and b, each with the other's name as password; every statement that
// names a must touch a's rows only.
void check_statements(const String& a, const String& b) {
    sqlite3* db = database().connection.handle();
    sqlite3_exec(db, "DELETE FROM compte; DELETE FROM acceder;", nullptr, nullptr, nullptr);
    run(statements::new_account(a, b));
    run(statements::new_account(b, a));
    const String sa = stored(a), sb = stored(b);
    Accounts expected{{sa, sb}, {sb, sa}};
    require(accounts() == expected, "new accounts hold the values as typed", a, b);

    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO acceder (loggin, psd) VALUES (?, ?);", -1, &insert,
                       nullptr);
    for (const auto& [login, psd] : {std::pair{sa, u"a"}, std::pair{sb, u"b"}}) {
        sqlite3_bind_text16(insert, 1, login.data(), static_cast<int>(login.size() * 2),
                            SQLITE_STATIC);
        sqlite3_bind_text16(insert, 2, psd, -1, SQLITE_STATIC);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    ado::Recordset rights;
    rights.Open(statements::access_rights_of(a), database().connection, ado::adOpenDynamic,
                ado::adLockOptimistic);
    require(rights.RecordCount() == (sa == sb ? 2 : 1), "the rights of a are a's rows only", a, b);
    for (; !rights.Eof(); rights.MoveNext()) {
        require(sa == sb || vb::CStr(rights.Fields(u"psd")) == u"a",
                "the rights of a are a's rows only", a, b);
    }

    run(statements::new_password(u"changed", a));
    for (auto& [login, password] : expected) {
        password = login == sa ? u"changed" : password;
    }
    require(accounts() == expected, "a new password changes a's row only", a, b);

    run(statements::delete_account(a));
    std::erase_if(expected, [&](const auto& row) { return row.first == sa; });
    require(accounts() == expected, "deleting a removes a's row only", a, b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto fields = fuzz_input::fields(data, size);
    const String& a = fields[0];
    const String b = fields.size() > 1 ? fields[1] : u"";
    check_like(a, b);
    check_free_statement(a);
    check_statements(a, b);
    return 0;
}
