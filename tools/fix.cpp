#include "fix.h"

#include <cstdio>
#include <filesystem>
#include <set>

#include "check.h"
#include "data/schema.h"
#include "data/statements.h"
#include "platform/vb/fixed_text.h"
#include "platform/vb/variant.h"
#include "shared_access.h"
#include "stop.h"
#include "tool_database.h"
#include "values.h"

namespace tool {

namespace {

struct Repair {
    std::string_view table;
    std::string_view column;
    std::int64_t row;
    vb::String filled;
};

// Every login not filled to exactly 50 characters, filled or cut; in compte only where that
// makes no second row of one login.
std::vector<Repair> repairs_of(ToolDatabase& db) {
    std::vector<Repair> repairs;
    std::set<vb::String> accounts;
    std::vector<Problem> missing;  // reported by the check that follows
    for (const data::Table& table : complete_tables(db, missing)) {
        for (const data::Column& column : table.columns) {
            if (column.use != data::ColumnUse::kOwner && column.use != data::ColumnUse::kLogin) {
                continue;
            }
            std::vector<Repair> wrong;
            db.read(u"SELECT rowid AS row_id," + vb::from_utf8(column.name) + u" FROM " +
                        vb::from_utf8(table.name) + u";",
                    [&](const ado::Recordset& row) {
                        const vb::Variant& value = row.Fields(vb::from_utf8(column.name));
                        if (value.is_null()) {
                            return;
                        }
                        const vb::String login = vb::CStr(value);
                        const vb::String filled = vb::fit(login, data::kLoginWidth);
                        const auto rowid = std::get<std::int64_t>(row.Fields(u"row_id").value());
                        if (login.size() != data::kLoginWidth) {
                            wrong.push_back({table.name, column.name, rowid, filled});
                        } else if (table.name == "compte") {
                            accounts.insert(filled);
                        }
                    });
            for (Repair& repair : wrong) {
                if (table.name != "compte" || accounts.insert(repair.filled).second) {
                    repairs.push_back(std::move(repair));
                }
            }
        }
    }
    return repairs;
}

// Beside the file, under a name not taken yet; a byte-for-byte copy of the last state
// written, since the caller holds the file for writing.
std::string back_up(const std::string& path) {
    for (int attempt = 0;; ++attempt) {
        const std::string backup =
            path + ".bak" + (attempt == 0 ? "" : "." + std::to_string(attempt));
        std::error_code error;
        if (std::filesystem::copy_file(path, backup, error)) {
            return backup;
        }
        if (error != std::errc::file_exists) {
            throw Stop(kUnusable,
                       "cannot copy '" + path + "' to '" + backup + "': " + error.message());
        }
    }
}

}  // namespace

int fix(const std::string& path) {
    require_readable(path);  // before any owner or mode is given to what stands there
    set_shared_access(path);
    const auto found = problems_of(path);
    for (const Problem& problem : found) {
        if (problem.where == "file" && !problem.warning) {
            return report(found);  // a file that is no sound database is not touched
        }
    }
    std::size_t repaired = 0;
    std::string backup;
    {
        ToolDatabase db(path);
        db.change([&] {
            const auto repairs = repairs_of(db);
            if (!repairs.empty()) {
                backup = back_up(path);
            }
            for (const Repair& repair : repairs) {
                db.write(u"UPDATE " + vb::from_utf8(repair.table) + u" SET " +
                         vb::from_utf8(repair.column) + u"='" + statements::quoted(repair.filled) +
                         u"' WHERE rowid=" + vb::from_utf8(std::to_string(repair.row)) + u";");
            }
            repaired = repairs.size();
        });
    }
    if (repaired == 0) {
        std::printf("nothing to repair in %s\n", path.c_str());
    } else {
        std::printf("filled or cut %zu logins to 50 characters; the file as it was is %s\n",
                    repaired, backup.c_str());
    }
    const auto left = problems_of(path);
    if (!left.empty()) {
        std::printf("left for you to decide:\n");
    }
    return report(left);
}

}  // namespace tool
