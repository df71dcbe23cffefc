#include "create.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

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

std::string filled(std::u16string_view login) {
    return "'" + vb::to_utf8(statements::quoted(vb::fit(login, data::kLoginWidth))) + "'";
}

std::string example_rows() {
    std::string sql = "INSERT INTO compte VALUES (" + filled(u"alice") + ",'wonder'), (" +
                      filled(u"bob") + ",'builder'), (" + filled(u"carol") + ",'singer');";
    sql += "INSERT INTO acceder VALUES (" + filled(u" Public") + "," + filled(u"alice") +
           ",0,1), (" + filled(u"alice") + "," + filled(u"bob") + ",1,1), (" + filled(u"bob") +
           "," + filled(u"carol") + ",1,0);";
    sql += "INSERT INTO ftp VALUES (" + filled(u" Public") +
           ",'anonymous','ftp.example.org','guest',21,'Example mirror'), (" + filled(u"alice") +
           ",'alice','files.example.net','wonder',2121,'Alice''s files');";
    sql += "INSERT INTO contact VALUES (" + filled(u" Public") +
           ",1,'Martin','Louise','12 rue des Lilas','75011','Paris'), (" + filled(u"bob") +
           ",2,'Durand','Paul','3 place du Marche','69002','Lyon');";
    return sql;
}

// Writes the tables into the empty file at `temporary`; an SQLite message on failure.
std::string write_tables(const std::string& temporary, bool example) {
    const std::string sql = "BEGIN;" + std::string(data::create_tables_sql()) +
                            std::string(data::login_index_sql()) + (example ? example_rows() : "") +
                            "COMMIT;";
    sqlite3* db = nullptr;
    char* error = nullptr;
    // Not through a link that someone who may write in the folder put in place of the file.
    int rc = sqlite3_open_v2(temporary.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW,
                             nullptr);
    if (rc == SQLITE_OK) {
        rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    }
    std::string message = rc == SQLITE_OK ? "" : error != nullptr ? error : sqlite3_errstr(rc);
    sqlite3_free(error);
    sqlite3_close(db);
    return message;
}

}  // namespace

int create(const std::string& path, bool example) {
    const std::string exists = "'" + path + "' already exists; it is left as it is";
    if (::access(path.c_str(), F_OK) == 0) {
        require_regular(path);
        throw Stop(kRefused, exists);
    }
    // Built beside its final place, then linked there: link() never replaces a file, and the
    // file appears with its owner and mode already set.
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        throw Stop(kRefused, "cannot create '" + path + "': " + std::strerror(errno));
    }
    try {
        set_new_file_access(fd, path);
    } catch (const Stop&) {
        ::close(fd);
        ::unlink(temporary.c_str());
        throw;
    }
    ::close(fd);
    const std::string failure = write_tables(temporary, example);
    const int linked = failure.empty() ? ::link(temporary.c_str(), path.c_str()) : 0;
    const int reason = errno;
    ::unlink(temporary.c_str());
    if (!failure.empty()) {
        throw Stop(kRefused, "cannot write '" + path + "': " + failure);
    }
    if (linked != 0) {
        throw Stop(kRefused, reason == EEXIST
                                 ? exists
                                 : "cannot create '" + path + "': " + std::strerror(reason));
    }
    std::printf("created %s%s\n", path.c_str(), example ? " with example accounts" : "");
    return kDone;
}

// One transaction: the index is added whole or, where logins are doubled, nothing is written.
int upgrade(const std::string& path) {
    ToolDatabase db(path);
    bool had_index = false;
    db.change([&] {
        std::map<vb::String, int> rows;
        db.read(u"SELECT loggin FROM compte WHERE loggin IS NOT NULL;",
                [&](const ado::Recordset& row) { ++rows[vb::CStr(row.Fields(u"loggin"))]; });
        std::string doubled;
        for (const auto& [login, count] : rows) {
            if (count > 1) {
                doubled += "  '" + vb::to_utf8(login) + "' (" + std::to_string(count) + " rows)\n";
            }
        }
        if (!doubled.empty()) {
            throw Stop(kRefused, "'" + path +
                                     "' is left as it is: these logins are stored more than "
                                     "once,\n" +
                                     doubled + "keep one row of each, then upgrade again");
        }
        db.read(u"SELECT name FROM sqlite_master WHERE type='index' AND name='compte_loggin';",
                [&](const ado::Recordset&) { had_index = true; });
        db.write(vb::from_utf8(data::login_index_sql()));
    });
    std::printf(had_index ? "%s is up to date\n" : "upgraded %s: one row per login\n",
                path.c_str());
    return kDone;
}

}  // namespace tool
