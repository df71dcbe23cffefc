// ADO's Connection over an SQLite file: the provider the system names, the file's absolute
// path as connection string, and the Jet dialect's LIKE installed on every open connection.
#pragma once

#include <cstdint>

#include "platform/vb/text.h"

struct sqlite3;

namespace ado {

// ADO's HRESULTs as the runtime shows them.
inline constexpr std::int32_t kGeneralFailure = -2147467259;    // 80004005
inline constexpr std::int32_t kStatementRefused = -2147217900;  // 80040e14
inline constexpr std::int32_t kProviderNotFound = -2146824582;  // 800a0e7a

inline constexpr char16_t kJetProvider[] = u"Microsoft.Jet.Oledb.4.0";

class Connection final {
public:
    Connection() = default;
    // Releasing an open connection closes it.
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    vb::String Provider;
    vb::String ConnectionString;

    // Opens the existing file; never creates one. A missing, locked, damaged or
    // non-database file, or another provider, raises a run-time error.
    void Open();
    void Close();

    // One transaction at a time. BeginTrans takes the file for writing at once, waiting as
    // long as for any statement; a connection closed inside one rolls it back.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();

    bool is_open() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_; }

private:
    void run(const char* sql);

    sqlite3* db_ = nullptr;
};

}  // namespace ado
