#include "check.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <set>

#include "check_rows.h"
#include "data/schema.h"
#include "shared_access.h"
#include "stop.h"
#include "tool_database.h"

namespace tool {

namespace {

bool is_sqlite_file(const std::string& path) {
    static constexpr char kHeader[] = "SQLite format 3";  // with its closing NUL, 16 bytes
    char header[sizeof kHeader] = {};
    std::ifstream file(path, std::ios::binary);
    file.read(header, sizeof header);
    return file.gcount() == sizeof header && std::equal(header, header + sizeof header, kHeader);
}

// SQLite's own check of the file's pages and indexes; "ok" alone when they are sound.
void check_integrity(ToolDatabase& db, std::vector<Problem>& problems) {
    sqlite3_stmt* rows = nullptr;
    int rc =
        sqlite3_prepare_v2(db.connection().handle(), "PRAGMA integrity_check;", -1, &rows, nullptr);
    while (rc == SQLITE_OK && sqlite3_step(rows) == SQLITE_ROW) {
        const std::string line = reinterpret_cast<const char*>(sqlite3_column_text(rows, 0));
        if (line != "ok") {
            problems.push_back({"file", "damaged: " + line});
        }
    }
    sqlite3_finalize(rows);
    if (rc != SQLITE_OK) {
        problems.push_back({"file", std::string("damaged: ") + sqlite3_errstr(rc)});
    }
}

// The columns a table has, lower-cased as SQLite and the program find them; empty when the
// table is missing.
std::set<std::string> columns_of(ToolDatabase& db, std::string_view table) {
    std::set<std::string> columns;
    sqlite3_stmt* rows = nullptr;
    const std::string sql = "PRAGMA table_info(\"" + std::string(table) + "\");";
    if (sqlite3_prepare_v2(db.connection().handle(), sql.c_str(), -1, &rows, nullptr) ==
        SQLITE_OK) {
        while (sqlite3_step(rows) == SQLITE_ROW) {
            std::string name = reinterpret_cast<const char*>(sqlite3_column_text(rows, 1));
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
            columns.insert(name);
        }
    }
    sqlite3_finalize(rows);
    return columns;
}

// Tables whose columns are all there; the others are reported and not read.
bool has_every_column(ToolDatabase& db, const data::Table& table, std::vector<Problem>& problems) {
    const auto columns = columns_of(db, table.name);
    if (columns.empty()) {
        problems.push_back({std::string(table.name), "the table is missing"});
        return false;
    }
    bool complete = true;
    for (const data::Column& column : table.columns) {
        if (columns.count(std::string(column.name)) == 0) {
            problems.push_back({std::string(table.name) + ", column " + std::string(column.name),
                                "the column is missing"});
            complete = false;
        }
    }
    return complete;
}

}  // namespace

std::vector<data::Table> complete_tables(ToolDatabase& db, std::vector<Problem>& problems) {
    std::vector<data::Table> complete;
    for (const data::Table& table : data::tables()) {
        if (has_every_column(db, table, problems)) {
            complete.push_back(table);
        }
    }
    return complete;
}

std::vector<Problem> problems_of(const std::string& path) {
    require_readable(path);
    std::vector<Problem> problems = access_problems(path);
    if (!is_sqlite_file(path)) {
        problems.push_back({"file", "not an SQLite database"});
        return problems;
    }
    ToolDatabase db(path);
    const std::size_t before = problems.size();
    check_integrity(db, problems);
    if (problems.size() != before) {
        return problems;  // rows read from a damaged file prove nothing
    }
    check_rows(db, complete_tables(db, problems), problems);
    return problems;
}

int report(const std::vector<Problem>& problems) {
    bool found = false;
    for (const Problem& problem : problems) {
        std::printf("%s%s: %s\n", problem.warning ? "warning: " : "", problem.where.c_str(),
                    problem.what.c_str());
        found = found || !problem.warning;
    }
    return found ? kRefused : kDone;
}

int check(const std::string& path, bool strict) {
    const auto problems = problems_of(path);
    const int status = report(problems);
    if (problems.empty()) {
        std::printf("%s: no problem found\n", path.c_str());
    }
    return strict && !problems.empty() ? kRefused : status;
}

}  // namespace tool
