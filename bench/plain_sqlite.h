// The benchmarks' baseline read of every account: one SQLite loop into fixed-width records.
#pragma once

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

namespace bench {

struct FixedRecord {
    std::array<char16_t, 50> loggin;
    std::array<char16_t, 25> pwd;
};

template <std::size_t N>
void copy_fixed(std::array<char16_t, N>& field, sqlite3_stmt* statement, int column) {
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
    const std::size_t length =
        std::min<std::size_t>(N, std::size_t(sqlite3_column_bytes16(statement, column)) / 2);
    std::copy_n(text, length, field.begin());
    std::fill(field.begin() + length, field.end(), u' ');
}

inline void read_accounts(const std::filesystem::path& path, std::vector<FixedRecord>& records) {
    records.clear();
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT loggin,pwd FROM compte", -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        FixedRecord& record = records.emplace_back();
        copy_fixed(record.loggin, statement, 0);
        copy_fixed(record.pwd, statement, 1);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
}

}  // namespace bench
