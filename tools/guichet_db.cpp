// guichet-db: creates the database file that Guichet reads, empty or with a few example
// accounts, and brings an older one up to date. It never overwrites a file, and an upgrade
// never creates one.
#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

const char* const kUsage =
    "usage: guichet-db create [--example] PATH | guichet-db upgrade PATH\n"
    "  create PATH            an empty database with the tables compte, acceder, ftp, contact\n"
    "  create --example PATH  the same with a few accounts, rights, FTP sites and contacts\n"
    "  upgrade PATH           adds to an existing database the index that keeps one row\n"
    "                         per login; refuses, listing them, where logins are doubled\n"
    "An existing file is never overwritten, a missing one never created by upgrade.\n";

const char* const kSchema =
    "CREATE TABLE compte (loggin TEXT, pwd TEXT);"
    "CREATE TABLE acceder (loggin TEXT, psd TEXT, ftpa BOOLEAN, contacta BOOLEAN);"
    "CREATE TABLE ftp (loggin TEXT, log TEXT, adress TEXT, mdp TEXT, port INTEGER, nom TEXT);"
    "CREATE TABLE contact (loggin TEXT, num INTEGER, nom TEXT, prenom TEXT, adress TEXT, "
    "cp TEXT, ville TEXT);";

// Two people creating the same login at once both pass the program's own check; the
// database refuses the second row. Exact, as the program compares the stored filled logins.
const char* const kLoginIndex =
    "CREATE UNIQUE INDEX IF NOT EXISTS compte_loggin ON compte (loggin);";

// Logins are stored filled with blanks to 50 characters, as the program looks them up.
std::string filled(const std::string& login) {
    std::string text = login;
    text.resize(50, ' ');
    return "'" + text + "'";
}

std::string example_rows() {
    std::string sql = "INSERT INTO compte VALUES (" + filled("alice") + ",'wonder'), (" +
                      filled("bob") + ",'builder'), (" + filled("carol") + ",'singer');";
    sql += "INSERT INTO acceder VALUES (" + filled(" Public") + "," + filled("alice") + ",0,1), (" +
           filled("alice") + "," + filled("bob") + ",1,1), (" + filled("bob") + "," +
           filled("carol") + ",1,0);";
    sql += "INSERT INTO ftp VALUES (" + filled(" Public") +
           ",'anonymous','ftp.example.org','guest',21,'Example mirror'), (" + filled("alice") +
           ",'alice','files.example.net','wonder',2121,'Alice''s files');";
    sql += "INSERT INTO contact VALUES (" + filled(" Public") +
           ",1,'Martin','Louise','12 rue des Lilas','75011','Paris'), (" + filled("bob") +
           ",2,'Durand','Paul','3 place du Marche','69002','Lyon');";
    return sql;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "guichet-db: %s\n", message.c_str());
    return 1;
}

int create(const std::string& path, bool example) {
    if (access(path.c_str(), F_OK) == 0) {
        return fail("'" + path + "' already exists; it is left as it is");
    }
    // Built beside its final place, then linked there: link() never replaces a file.
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        return fail("cannot create '" + path + "': " + std::strerror(errno));
    }
    close(fd);
    sqlite3* db = nullptr;
    std::string sql =
        std::string("BEGIN;") + kSchema + kLoginIndex + (example ? example_rows() : "") + "COMMIT;";
    char* error = nullptr;
    int rc = sqlite3_open_v2(temporary.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    }
    const std::string message = error != nullptr ? error : sqlite3_errstr(rc);
    sqlite3_free(error);
    sqlite3_close(db);
    if (rc != SQLITE_OK) {
        unlink(temporary.c_str());
        return fail("cannot write '" + path + "': " + message);
    }
    if (link(temporary.c_str(), path.c_str()) != 0) {
        const int reason = errno;
        unlink(temporary.c_str());
        return fail(reason == EEXIST ? "'" + path + "' already exists; it is left as it is"
                                     : "cannot create '" + path + "': " + std::strerror(reason));
    }
    unlink(temporary.c_str());
    chmod(path.c_str(), 0644);
    std::printf("created %s%s\n", path.c_str(), example ? " with example accounts" : "");
    return 0;
}

// Each login stored more than once, quoted so that its blanks show, with its count.
int list_duplicates(sqlite3* db, std::string& list) {
    sqlite3_stmt* rows = nullptr;
    int rc = sqlite3_prepare_v2(db,
                                "SELECT loggin, count(*) FROM compte WHERE loggin IS NOT NULL "
                                "GROUP BY loggin HAVING count(*) > 1 ORDER BY loggin;",
                                -1, &rows, nullptr);
    while (rc == SQLITE_OK && (rc = sqlite3_step(rows)) == SQLITE_ROW) {
        const auto* login = reinterpret_cast<const char*>(sqlite3_column_text(rows, 0));
        list += "  '" + std::string(login, std::size_t(sqlite3_column_bytes(rows, 0))) + "' (" +
                std::to_string(sqlite3_column_int(rows, 1)) + " rows)\n";
        rc = SQLITE_OK;
    }
    sqlite3_finalize(rows);
    return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

bool has_login_index(sqlite3* db) {
    bool found = false;
    sqlite3_exec(
        db, "SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = 'compte_loggin';",
        [](void* found_it, int, char**, char**) {
            *static_cast<bool*>(found_it) = true;
            return 0;
        },
        &found, nullptr);
    return found;
}

// One transaction: the index is added whole or, when anything is refused, nothing is written.
int upgrade(const std::string& path) {
    if (access(path.c_str(), F_OK) != 0) {
        return fail("cannot upgrade '" + path + "': " + std::strerror(errno));
    }
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);  // a running program holds the file only briefly
        rc = sqlite3_exec(db, "BEGIN IMMEDIATE;", nullptr, nullptr, nullptr);
    }
    std::string duplicates;
    if (rc == SQLITE_OK) {
        rc = list_duplicates(db, duplicates);
    }
    const bool had_index = rc == SQLITE_OK && has_login_index(db);
    if (rc == SQLITE_OK && duplicates.empty()) {
        rc = sqlite3_exec(db, (std::string(kLoginIndex) + "COMMIT;").c_str(), nullptr, nullptr,
                          nullptr);
    }
    const std::string message = sqlite3_errmsg(db);
    sqlite3_close(db);  // rolls back whatever is left open
    if (rc != SQLITE_OK) {
        return fail("cannot upgrade '" + path + "': " + message);
    }
    if (!duplicates.empty()) {
        return fail("'" + path + "' is left as it is: these logins are stored more than once,\n" +
                    duplicates + "keep one row of each, then upgrade again");
    }
    std::printf(had_index ? "%s is up to date\n" : "upgraded %s: one row per login\n",
                path.c_str());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "create") == 0 && argv[2][0] != '-') {
        return create(argv[2], false);
    }
    if (argc == 3 && std::strcmp(argv[1], "upgrade") == 0 && argv[2][0] != '-') {
        return upgrade(argv[2]);
    }
    if (argc == 4 && std::strcmp(argv[1], "create") == 0 &&
        std::strcmp(argv[2], "--example") == 0) {
        return create(argv[3], true);
    }
    std::fputs(kUsage, stderr);
    return 2;
}
