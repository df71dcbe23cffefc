// ADO's Recordset: one statement of the Jet dialect opened on a connection. A query's
// rows are read in full when it opens, so that RecordCount, MoveLast and MoveFirst cost
// nothing; a write runs once and yields no rows. The texts of all rows share a few blocks,
// ASCII ones kept in one byte a character, and a field's Variant is made when it is asked
// for, so reading a row allocates nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "platform/vb/text.h"
#include "platform/vb/variant.h"

struct sqlite3_stmt;

namespace ado {

class Connection;

enum CursorTypeEnum { adOpenDynamic = 2 };
enum LockTypeEnum { adLockOptimistic = 3 };

class Recordset final {
public:
    Recordset() = default;
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // Raises a run-time error for a statement the database refuses (80040e14 with the
    // database's message) or a file that fails underneath it (80004005).
    void Open(const vb::String& source, Connection& connection, CursorTypeEnum cursor,
              LockTypeEnum lock);
    void Close();

    long RecordCount() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    // ADO's EOF; the name EOF itself is taken by the C library.
    bool Eof() const;

    // The value of the named column (case-insensitive, as ADO finds it) in the current row.
    const vb::Variant& Fields(std::u16string_view name) const;

    // Where a text cell's characters stand in its blocks.
    struct TextAt {
        std::uint32_t block;
        std::uint32_t offset;
        std::size_t length;
    };

private:
    struct Cell {
        enum class Kind : unsigned char { kNull, kInteger, kReal, kAscii, kText } kind;
        union {
            std::int64_t integer;
            double real;
            TextAt text;
        };
    };

    void read_cell(sqlite3_stmt* statement, int column);
    void read_text(sqlite3_stmt* statement, int column, Cell& cell);

    std::vector<vb::String> columns_;
    // Row after row. Neither the cells nor the texts sit in one growing buffer: a large
    // one would be moved at every growth and mapped afresh by the allocator at every query.
    std::deque<Cell> cells_;
    std::vector<std::string> ascii_;     // blocks of the ASCII text cells
    std::vector<std::u16string> texts_;  // blocks of the other text cells
    // The current row's fields as asked for, one Variant per column, reused row after row.
    mutable std::vector<vb::Variant> fields_;
    std::size_t rows_ = 0;
    std::size_t current_ = 0;
    bool open_ = false;
};

}  // namespace ado
