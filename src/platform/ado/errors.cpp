#include "platform/ado/errors.h"

#include <sqlite3.h>

#include "platform/ado/connection.h"
#include "platform/vb/runtime_error.h"

namespace ado {

namespace {

// Jet's own words for a row that a unique index refuses.
const char* const kDuplicateInIndex =
    "The changes you requested to the table were not successful because they would create "
    "duplicate values in the index, primary key, or relationship. Change the data in the field "
    "or fields that contain duplicate data, remove the index, or redefine the index to permit "
    "duplicate entries and try again.";

bool is_duplicate(sqlite3* db, int result) {
    const int extended = db != nullptr ? sqlite3_extended_errcode(db) : result;
    return extended == SQLITE_CONSTRAINT_UNIQUE || extended == SQLITE_CONSTRAINT_PRIMARYKEY;
}

}  // namespace

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
        case SQLITE_CONSTRAINT:
            if (is_duplicate(db, result)) {
                throw vb::RuntimeError(kGeneralFailure, kDuplicateInIndex);
            }
            [[fallthrough]];
        default:
            throw vb::RuntimeError(kStatementRefused, message);
    }
}

}  // namespace ado
