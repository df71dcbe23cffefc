// Opening the database, reading the rows of a query and running a write statement, the
// same way for every procedure that reaches the file.
#pragma once

#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/vb/text.h"

namespace data {

// Sets the provider and the connection string, then opens: the program's own file, or
// the one at `path` for the database tool.
void open_database(ado::Connection& connection);
void open_database(ado::Connection& connection, const vb::String& path);

// Calls `on_row` with the result positioned on each row in turn, in the database's order.
template <typename OnRow>
void read_rows(const vb::String& statement, ado::Connection& connection, OnRow&& on_row) {
    ado::Recordset result;
    result.Open(statement, connection, ado::adOpenDynamic, ado::adLockOptimistic);
    if (result.RecordCount() > 0) {
        result.MoveLast();
        result.MoveFirst();
    }
    while (!result.Eof()) {
        on_row(static_cast<const ado::Recordset&>(result));
        result.MoveNext();
    }
    result.Close();
}

enum class AfterWrite { kClose, kRelease };

// Runs one write statement on a connection of its own; nothing is read back.
void run_write(const vb::String& statement, AfterWrite after);

}  // namespace data
