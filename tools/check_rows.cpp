#include "check_rows.h"

#include <map>
#include <set>
#include <string>

#include "check_values.h"
#include "platform/vb/fixed_text.h"
#include "values.h"

namespace tool {

namespace {

constexpr long kMostRows = 32767;  // a table's count is a signed 16-bit integer

// What the rows mean together, gathered while they are read.
struct Gathered {
    std::size_t accounts = 0;
    std::map<vb::String, std::vector<std::int64_t>> account_rows;  // filled login -> rows
    // table -> filled owner -> rows
    std::map<std::string, std::map<vb::String, std::vector<std::int64_t>>> owned;
};

std::string at(std::string_view table, std::int64_t row, std::string_view column) {
    return std::string(table) + ", row " + std::to_string(row) + ", column " + std::string(column);
}

void check_table(ToolDatabase& db, const data::Table& table, std::vector<Problem>& problems,
                 Gathered& gathered) {
    vb::String select = u"SELECT rowid AS row_id";
    for (const data::Column& column : table.columns) {
        select += u"," + vb::from_utf8(column.name);
    }
    db.read(select + u" FROM " + vb::from_utf8(table.name) + u";", [&](const ado::Recordset& row) {
        const std::int64_t rowid = std::get<std::int64_t>(row.Fields(u"row_id").value());
        gathered.accounts += table.name == "compte" ? 1 : 0;
        for (const data::Column& column : table.columns) {
            const vb::Variant& value = row.Fields(vb::from_utf8(column.name));
            if (auto problem = judge(column, table.name, value)) {
                problem->where = at(table.name, rowid, column.name);
                problems.push_back(std::move(*problem));
            }
            if (value.is_null() || column.name != "loggin") {
                continue;
            }
            const vb::String login = vb::fit(vb::CStr(value), data::kLoginWidth);
            if (table.name == "compte") {
                gathered.account_rows[login].push_back(rowid);
            } else {
                gathered.owned[std::string(table.name)][login].push_back(rowid);
            }
        }
    });
}

std::string rows_named(const std::vector<std::int64_t>& rows) {
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == rows.size() ? " and " : ", ") + std::to_string(rows[i]);
    }
    return text;
}

void check_accounts(const Gathered& gathered, std::size_t rows, std::vector<Problem>& problems) {
    for (const auto& [login, at_rows] : gathered.account_rows) {
        if (at_rows.size() > 1) {
            problems.push_back({"compte, rows " + rows_named(at_rows) + ", column loggin",
                                "the login " + shown_login(login) +
                                    " is stored more than once: each password opens it"});
        }
    }
    if (rows > kMostRows) {
        problems.push_back(
            {"compte", std::to_string(rows) + " rows: the program stops with Overflow past 32767"});
    }
}

// Rows whose owner is no account are never read; an account whose rows, once multiplied by
// its access entries, pass 32767 stops the program when it is logged on.
void check_owners(const Gathered& gathered, bool accounts_known, std::vector<Problem>& problems) {
    std::set<vb::String> owners;
    for (const auto& [table, by_owner] : gathered.owned) {
        for (const auto& [owner, rows] : by_owner) {
            owners.insert(owner);
            if (accounts_known && owner != public_login() &&
                gathered.account_rows.count(owner) == 0) {
                for (std::int64_t row : rows) {
                    problems.push_back({at(table, row, "loggin"),
                                        "no account " + shown_login(owner) +
                                            " owns this row: the program never reads it"});
                }
            }
        }
    }
    const auto count = [&](const std::string& table, const vb::String& owner) -> long {
        const auto found = gathered.owned.find(table);
        if (found == gathered.owned.end() || found->second.count(owner) == 0) {
            return 0;
        }
        return long(found->second.at(owner).size());
    };
    for (const vb::String& owner : owners) {
        const long entries = count("acceder", owner);
        for (const std::string table : {"acceder", "ftp", "contact"}) {
            const long loaded = table == "acceder" ? entries : entries * count(table, owner);
            if (loaded > kMostRows) {
                problems.push_back({table, "logging " + shown_login(owner) + " on would load " +
                                               std::to_string(loaded) +
                                               " rows: the program stops with Overflow"});
            }
        }
    }
}

}  // namespace

void check_rows(ToolDatabase& db, const std::vector<data::Table>& tables,
                std::vector<Problem>& problems) {
    Gathered gathered;
    bool accounts_known = false;
    for (const data::Table& table : tables) {
        check_table(db, table, problems, gathered);
        accounts_known = accounts_known || table.name == "compte";
    }
    check_accounts(gathered, gathered.accounts, problems);
    check_owners(gathered, accounts_known, problems);
}

}  // namespace tool
