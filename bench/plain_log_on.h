// The database work that a log on must do, in plain SQLite: two connections opened as the
// loaders open theirs, every account read on the first, and on the second the rights of each
// logged-on account and the sites and contacts of each right, all into fixed-width records.
#pragma once

#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include "plain_sqlite.h"

namespace bench {

using Login = std::array<char16_t, 50>;

struct AccessRecord {
    Login loggin;
    Login psd;
    bool ftpa;
    bool contacta;
};

struct SiteRecord {
    std::array<char16_t, 50> log;
    std::array<char16_t, 255> adress;
    std::array<char16_t, 50> mdp;
    std::int16_t port;
    std::array<char16_t, 255> nom;
};

struct ContactRecord {
    std::int16_t num;
    std::array<char16_t, 50> nom;
    std::array<char16_t, 50> prenom;
    std::array<char16_t, 255> adress;
    std::array<char16_t, 6> cp;
    std::array<char16_t, 255> ville;
};

struct LogOnTables {
    std::vector<FixedRecord> accounts;
    std::vector<Login> logged_on;
    std::vector<AccessRecord> rights;
    std::vector<SiteRecord> sites;
    std::vector<ContactRecord> contacts;
};

// A missing or empty file is told at once; the schema is read on opening, so that any other
// file is told at once too; a writer that holds the file briefly is waited out.
inline sqlite3* open_as_the_loaders_do(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0) {
        std::abort();
    }
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
        std::abort();
    }
    sqlite3_busy_timeout(db, 2000);
    sqlite3_exec(db, "SELECT count(*) FROM sqlite_master;", nullptr, nullptr, nullptr);
    return db;
}

// The rows of `sql` for one filled login. Equality finds the same rows as the program's
// LIKE, whose pattern is the login with its wildcards made literal.
template <typename OnRow>
void each_row_of(sqlite3* db, const char* sql, const Login& login, OnRow on_row) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    sqlite3_bind_text16(statement, 1, login.data(), int(login.size() * 2), SQLITE_STATIC);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        on_row(statement);
    }
    sqlite3_finalize(statement);
}

inline std::int16_t column_int16(sqlite3_stmt* statement, int column) {
    return static_cast<std::int16_t>(sqlite3_column_int(statement, column));
}

inline void read_rights(sqlite3* db, LogOnTables& tables) {
    tables.rights.clear();
    tables.sites.clear();
    tables.contacts.clear();
    for (const Login& login : tables.logged_on) {
        each_row_of(db, "SELECT psd,ftpa,contacta FROM acceder WHERE loggin = ?", login,
                    [&](sqlite3_stmt* row) {
                        AccessRecord& right = tables.rights.emplace_back();
                        right.loggin = login;
                        copy_fixed(right.psd, row, 0);
                        right.ftpa = sqlite3_column_int(row, 1) != 0;
                        right.contacta = sqlite3_column_int(row, 2) != 0;
                    });
    }
    for (const AccessRecord& right : tables.rights) {
        each_row_of(db, "SELECT log,adress,mdp,port,nom FROM ftp WHERE loggin = ?", right.loggin,
                    [&](sqlite3_stmt* row) {
                        SiteRecord& site = tables.sites.emplace_back();
                        copy_fixed(site.log, row, 0);
                        copy_fixed(site.adress, row, 1);
                        copy_fixed(site.mdp, row, 2);
                        site.port = column_int16(row, 3);
                        copy_fixed(site.nom, row, 4);
                    });
        each_row_of(db, "SELECT num,nom,prenom,adress,cp,ville FROM contact WHERE loggin = ?",
                    right.loggin, [&](sqlite3_stmt* row) {
                        ContactRecord& contact = tables.contacts.emplace_back();
                        contact.num = column_int16(row, 0);
                        copy_fixed(contact.nom, row, 1);
                        copy_fixed(contact.prenom, row, 2);
                        copy_fixed(contact.adress, row, 3);
                        copy_fixed(contact.cp, row, 4);
                        copy_fixed(contact.ville, row, 5);
                    });
    }
}

// Logs `typed` on beside the accounts of `tables.logged_on`; false when no account matches.
inline bool log_on(const std::filesystem::path& path, const FixedRecord& typed,
                   LogOnTables& tables) {
    sqlite3* db = open_as_the_loaders_do(path);
    read_accounts(db, tables.accounts);
    sqlite3_close(db);
    const auto found = std::find_if(
        tables.accounts.begin(), tables.accounts.end(),
        [&](const FixedRecord& a) { return a.pwd == typed.pwd && a.loggin == typed.loggin; });
    if (found == tables.accounts.end()) {
        return false;
    }
    tables.logged_on.push_back(found->loggin);
    db = open_as_the_loaders_do(path);
    read_rights(db, tables);
    sqlite3_close(db);
    return true;
}

}  // namespace bench
