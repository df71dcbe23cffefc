#include "ado/errors.h"

#include <sqlite3.h>

#include "ado/connection.h"
#include "vb/runtime_error.h"

namespace ado {

void raise_sqlite_error(sqlite3* db, int result, const std::string& path) {
    const std::string message = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(result);
    switch (result & 0xFF) {
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            throw vb::RuntimeError(kGeneralFailure,
                                   "Could not use '" + path + "'; file already in use.");
        case SQLITE_NOTADB:
        case SQLITE_CORRUPT:
            throw vb::RuntimeError(kGeneralFailure, "Unrecognized database format '" + path + "'.");
        case SQLITE_READONLY:
            throw vb::RuntimeError(kGeneralFailure,
                                   "Operation must use an updateable query. (" + message + ")");
        case SQLITE_IOERR:
        case SQLITE_CANTOPEN:
        case SQLITE_FULL:
        case SQLITE_PERM:
        case SQLITE_NOMEM:
            throw vb::RuntimeError(kGeneralFailure, "Disk or network error. (" + message + ")");
        default:
            throw vb::RuntimeError(kStatementRefused, message);
    }
}

}  // namespace ado
