#include "platform/ado/connection.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <cstring>
#include <optional>

#include "platform/ado/errors.h"
#include "platform/ado/jet_like.h"
#include "platform/vb/runtime_error.h"

namespace ado {

namespace {

std::u16string_view text_argument(sqlite3_value* value) {
    const auto* text = static_cast<const char16_t*>(sqlite3_value_text16(value));
    const int bytes = sqlite3_value_bytes16(value);
    return text == nullptr ? std::u16string_view() : std::u16string_view(text, bytes / 2);
}

bool matches(const LikePattern& pattern, sqlite3_value* value) {
    if (const auto& only = pattern.only_match()) {
        // The text as the file holds it, UTF-8, compared without a copy.
        const auto* text = sqlite3_value_text(value);
        const auto bytes = static_cast<std::size_t>(sqlite3_value_bytes(value));
        return bytes == only->size() && (bytes == 0 || std::memcmp(text, only->data(), bytes) == 0);
    }
    return pattern.matches(text_argument(value));
}

// SQLite calls like(pattern, text) for "text LIKE pattern". The pattern, the same on every
// row of a statement, is compiled on the first and kept with the statement.
void jet_like_function(sqlite3_context* context, int, sqlite3_value** arguments) {
    if (sqlite3_value_type(arguments[0]) == SQLITE_NULL ||
        sqlite3_value_type(arguments[1]) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return;
    }
    std::optional<LikePattern> compiled;
    const auto* pattern = static_cast<const LikePattern*>(sqlite3_get_auxdata(context, 0));
    if (pattern == nullptr) {
        compiled = LikePattern::compile(text_argument(arguments[0]));
        if (!compiled) {
            sqlite3_result_error(context, "Invalid pattern string", -1);
            return;
        }
        pattern = &*compiled;
        sqlite3_set_auxdata(context, 0, new LikePattern(*compiled),
                            [](void* kept) { delete static_cast<LikePattern*>(kept); });
    }
    sqlite3_result_int(context, matches(*pattern, arguments[1]) ? 1 : 0);
}

}  // namespace

Connection::~Connection() {
    Close();
}

void Connection::Open() {
    if (!vb::equals_ignoring_ascii_case(Provider, kJetProvider)) {
        throw vb::RuntimeError(kProviderNotFound,
                               "Provider cannot be found. It may not be properly installed.");
    }
    Close();
    const std::string path = vb::to_utf8(ConnectionString);
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        throw vb::RuntimeError(kGeneralFailure, "Could not find file '" + path + "'.");
    }
    // SQLite would take an empty file for a new database; no database file is ever empty.
    if (info.st_size == 0) {
        throw vb::RuntimeError(kGeneralFailure, "Unrecognized database format '" + path + "'.");
    }
    // A connection lives on the thread that opened it, so SQLite's own locking is not needed.
    sqlite3* db = nullptr;
    int result =
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (result == SQLITE_READONLY || result == SQLITE_CANTOPEN) {
        sqlite3_close(db);
        db = nullptr;
        result =
            sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    }
    if (result != SQLITE_OK) {
        const std::string message = "Could not use '" + path + "'; " + sqlite3_errstr(result) + ".";
        sqlite3_close(db);
        throw vb::RuntimeError(kGeneralFailure, message);
    }
    // A writer that holds the file briefly is waited out; one that keeps it is reported.
    sqlite3_busy_timeout(db, 2000);
    sqlite3_create_function(db, "like", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                            jet_like_function, nullptr, nullptr);
    // Reading the schema tells a database from any other file at once.
    result = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) {
        try {
            raise_sqlite_error(db, result, path);
        } catch (...) {
            sqlite3_close(db);
            throw;
        }
    }
    db_ = db;
}

void Connection::BeginTrans() {
    run("BEGIN IMMEDIATE;");
}

void Connection::CommitTrans() {
    run("COMMIT;");
}

void Connection::RollbackTrans() {
    run("ROLLBACK;");
}

void Connection::run(const char* sql) {
    const int result = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (result != SQLITE_OK) {
        raise_sqlite_error(db_, result, vb::to_utf8(ConnectionString));
    }
}

void Connection::Close() {
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

}  // namespace ado
