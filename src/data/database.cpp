#include "data/database.h"

#include "data/database_path.h"

namespace data {

void open_database(ado::Connection& connection) {
    open_database(connection, database_path());
}

void open_database(ado::Connection& connection, const vb::String& path) {
    connection.Provider = ado::kJetProvider;
    connection.ConnectionString = path;
    connection.Open();
}

void run_write(const vb::String& statement, AfterWrite after) {
    ado::Connection connection;
    open_database(connection);
    ado::Recordset result;
    result.Open(statement, connection, ado::adOpenDynamic, ado::adLockOptimistic);
    if (after == AfterWrite::kClose) {
        connection.Close();
    }
}

}  // namespace data
