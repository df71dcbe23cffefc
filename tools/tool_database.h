// The database file as the tool reaches it: through the program's own connection (its
// provider, its two-second wait for a busy file, its dialect), never created, each change
// one transaction that is written whole or not at all.
#pragma once

#include <string>
#include <utility>

#include "data/database.h"
#include "platform/ado/connection.h"
#include "platform/ado/recordset.h"
#include "platform/vb/runtime_error.h"
#include "platform/vb/text.h"
#include "stop.h"

namespace tool {

// Stops with kUnusable where what stands at `path` is no regular file (a folder, a pipe, a
// device); never opens it.
void require_regular(const std::string& path);
// Stops with kUnusable where the file is missing, is no regular file or cannot be read.
void require_readable(const std::string& path);

class ToolDatabase final {
public:
    // Stops with kUnusable where the file is missing or is no database the program could open.
    explicit ToolDatabase(const std::string& path);
    ToolDatabase(const ToolDatabase&) = delete;
    ToolDatabase& operator=(const ToolDatabase&) = delete;

    const std::string& path() const { return path_; }
    ado::Connection& connection() { return connection_; }

    // `on_row` sees the result positioned on each row of the statement in turn.
    template <typename OnRow>
    void read(const vb::String& statement, OnRow&& on_row) {
        guarded([&] { data::read_rows(statement, connection_, std::forward<OnRow>(on_row)); });
    }

    // The number of rows the statement yields.
    long count(const vb::String& statement) {
        long rows = 0;
        read(statement, [&](const ado::Recordset&) { ++rows; });
        return rows;
    }

    void write(const vb::String& statement);

    // Runs `changes` in one transaction; anything that stops them leaves the file as it was.
    template <typename Changes>
    void change(Changes&& changes) {
        guarded([&] { connection_.BeginTrans(); });
        try {
            changes();
            guarded([&] { connection_.CommitTrans(); });
        } catch (...) {
            connection_.Close();  // rolls back whatever was begun
            throw;
        }
    }

private:
    template <typename Work>
    void guarded(Work&& work) {
        try {
            work();
        } catch (const vb::RuntimeError& error) {
            unusable(error);
        }
    }
    [[noreturn]] void unusable(const vb::RuntimeError& error) const;

    std::string path_;
    ado::Connection connection_;
};

}  // namespace tool
