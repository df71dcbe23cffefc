// guichet-db: creates the database file that Guichet reads, empty or with a few example
// accounts. It never overwrites a file.
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
    "usage: guichet-db create [--example] PATH\n"
    "  create PATH            an empty database with the tables compte, acceder, ftp, contact\n"
    "  create --example PATH  the same with a few accounts, rights, FTP sites and contacts\n"
    "An existing file is never overwritten.\n";

const char* const kSchema =
    "CREATE TABLE compte (loggin TEXT, pwd TEXT);"
    "CREATE TABLE acceder (loggin TEXT, psd TEXT, ftpa BOOLEAN, contacta BOOLEAN);"
    "CREATE TABLE ftp (loggin TEXT, log TEXT, adress TEXT, mdp TEXT, port INTEGER, nom TEXT);"
    "CREATE TABLE contact (loggin TEXT, num INTEGER, nom TEXT, prenom TEXT, adress TEXT, "
    "cp TEXT, ville TEXT);";

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
    std::string sql = std::string("BEGIN;") + kSchema + (example ? example_rows() : "") + "COMMIT;";
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

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "create") == 0 && argv[2][0] != '-') {
        return create(argv[2], false);
    }
    if (argc == 4 && std::strcmp(argv[1], "create") == 0 &&
        std::strcmp(argv[2], "--example") == 0) {
        return create(argv[3], true);
    }
    std::fputs(kUsage, stderr);
    return 2;
}
