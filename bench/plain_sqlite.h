// The benchmarks' databases of many accounts, and their baseline read of every account:
// one SQLite loop into fixed-width records.
#pragma once

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace bench {

// One row of rights, one FTP site and one contact for the filled login `owner`, the row of
// rights naming `named`.
inline void add_rights(sqlite3* db, const std::string& owner, const std::string& named) {
    sqlite3_stmt* insert = nullptr;
    for (const char* statement : {"INSERT INTO acceder VALUES (?1, ?2, 1, 1)",
                                  "INSERT INTO ftp VALUES (?1, 'anonymous', 'ftp.example.org', "
                                  "'secret', 21, 'Example')",
                                  "INSERT INTO contact VALUES (?1, 1, 'Martin', 'Anne', "
                                  "'1 rue de la Gare', '75001', 'Paris')"}) {
        sqlite3_prepare_v2(db, statement, -1, &insert, nullptr);
        sqlite3_bind_text(insert, 1, owner.c_str(), -1, SQLITE_TRANSIENT);
        if (sqlite3_bind_parameter_count(insert) > 1) {
            sqlite3_bind_text(insert, 2, named.c_str(), -1, SQLITE_TRANSIENT);
        }
        sqlite3_step(insert);
        sqlite3_finalize(insert);
    }
}

// A database of `accounts` accounts, the i-th named login_of(i), where each filled login of
// `owners` has rights naming the account login_of(k) for its place k in that list, an FTP
// site and a contact; made once for each count and kept for the run.
inline std::filesystem::path database_with(int accounts,
                                           const std::function<std::string(int)>& login_of,
                                           const std::vector<std::string>& owners = {}) {
    static std::map<int, std::filesystem::path> made;
    if (auto found = made.find(accounts); found != made.end()) {
        return found->second;
    }
    std::string folder = (std::filesystem::temp_directory_path() / "guichet-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        std::abort();
    }
    const auto path = std::filesystem::path(folder) / "bdd.mdb";
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE compte (loggin TEXT, pwd TEXT);"
                 "CREATE TABLE acceder (loggin TEXT, psd TEXT, ftpa BOOLEAN, contacta BOOLEAN);"
                 "CREATE TABLE ftp (loggin TEXT, log TEXT, adress TEXT, mdp TEXT, port INTEGER, "
                 "nom TEXT);"
                 "CREATE TABLE contact (loggin TEXT, num INTEGER, nom TEXT, prenom TEXT, "
                 "adress TEXT, cp TEXT, ville TEXT); BEGIN;",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO compte VALUES (?, ?)", -1, &insert, nullptr);
    for (int i = 0; i < accounts; ++i) {
        std::string login = login_of(i);
        login.resize(50, ' ');
        const std::string password = "password" + std::to_string(i);
        sqlite3_bind_text(insert, 1, login.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, password.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    for (std::size_t k = 0; k < owners.size(); ++k) {
        std::string named = login_of(int(k));
        named.resize(50, ' ');
        add_rights(db, owners[k], named);
    }
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return made[accounts] = path;
}

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

// Statement 1 on an open connection, read in full.
inline void read_accounts(sqlite3* db, std::vector<FixedRecord>& records) {
    records.clear();
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT loggin,pwd FROM compte", -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        FixedRecord& record = records.emplace_back();
        copy_fixed(record.loggin, statement, 0);
        copy_fixed(record.pwd, statement, 1);
    }
    sqlite3_finalize(statement);
}

inline void read_accounts(const std::filesystem::path& path, std::vector<FixedRecord>& records) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    read_accounts(db, records);
    sqlite3_close(db);
}

}  // namespace bench
