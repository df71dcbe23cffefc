#include "scratch_database.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "data/schema.h"

namespace test_support {

namespace {

void run(const std::filesystem::path& path, const std::string& sql, int flags) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, flags, nullptr) != SQLITE_OK) {
        const std::string message = sqlite3_errmsg(db);
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path.string() + ": " + message);
    }
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    const std::string message = error != nullptr ? error : "";
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        throw std::runtime_error(sql + ": " + message);
    }
}

}  // namespace

ScratchDatabase::ScratchDatabase(bool tables) {
    std::string pattern = (std::filesystem::temp_directory_path() / "guichet-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a scratch folder");
    }
    folder_ = pattern;
    path_ = folder_ / "bdd.mdb";
    run(path_, tables ? std::string(data::create_tables_sql()) : "PRAGMA user_version = 1;",
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    use_database(path_);
}

ScratchDatabase::~ScratchDatabase() {
    std::error_code ignored;
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(folder_, ignored);
}

void ScratchDatabase::exec(const std::string& sql) const {
    run(path_, sql, SQLITE_OPEN_READWRITE);
}

// Read with a statement rather than sqlite3_exec, whose C strings would end a text at a NUL.
std::string ScratchDatabase::dump() const {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path_.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + path_.string());
    }
    std::string text;
    for (const char* table : {"compte", "acceder", "ftp", "contact"}) {
        text += std::string("[") + table + "]\n";
        sqlite3_stmt* rows = nullptr;
        const std::string sql = std::string("SELECT * FROM ") + table + " ORDER BY rowid;";
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &rows, nullptr) != SQLITE_OK) {
            const std::string message = sqlite3_errmsg(db);
            sqlite3_close(db);
            throw std::runtime_error(sql + ": " + message);
        }
        while (sqlite3_step(rows) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(rows); ++c) {
                text += c == 0 ? "" : "|";
                if (sqlite3_column_type(rows, c) == SQLITE_NULL) {
                    text += "NULL";
                    continue;
                }
                const auto* value = reinterpret_cast<const char*>(sqlite3_column_text(rows, c));
                text += "'" + std::string(value, std::size_t(sqlite3_column_bytes(rows, c))) + "'";
            }
            text += '\n';
        }
        sqlite3_finalize(rows);
    }
    sqlite3_close(db);
    return text;
}

std::string bytes_of(const std::filesystem::path& path) {
    if (!std::filesystem::exists(path)) {
        return "(none)";
    }
    std::stringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}

std::string filled(const std::string& login, std::size_t width) {
    return login + std::string(width - std::min(width, login.size()), ' ');
}

}  // namespace test_support
