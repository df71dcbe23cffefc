// Turning SQLite's failures into the run-time errors that ADO would raise.
#pragma once

#include <string>

struct sqlite3;

namespace ado {

// A failure of the file underneath or a row a unique index refuses (80004005), or a refused
// statement (80040e14), chosen by SQLite's result code.
[[noreturn]] void raise_sqlite_error(sqlite3* db, int result, const std::string& path);

}  // namespace ado
