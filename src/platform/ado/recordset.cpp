#include "platform/ado/recordset.h"

#include <sqlite3.h>

#include <algorithm>
#include <memory>
#include <string_view>

#include "platform/ado/connection.h"
#include "platform/ado/errors.h"
#include "platform/ado/jet_dialect.h"
#include "platform/vb/runtime_error.h"

namespace ado {

namespace {

constexpr std::int32_t kItemNotFound = -2146825023;     // 800a0cc1
constexpr std::int32_t kNoCurrentRecord = -2146825267;  // 800a0bcd
constexpr std::int32_t kObjectClosed = -2146824584;     // 800a0e78

// Characters of a block of texts: small enough to stay in the allocator's heap.
constexpr std::size_t kTextBlock = 16 * 1024;

template <typename Char>
Recordset::TextAt append_to_blocks(std::vector<std::basic_string<Char>>& blocks,
                                   std::basic_string_view<Char> text) {
    if (blocks.empty() || blocks.back().capacity() - blocks.back().size() < text.size()) {
        blocks.emplace_back().reserve(std::max(kTextBlock, text.size()));
    }
    auto& block = blocks.back();
    const Recordset::TextAt at{static_cast<std::uint32_t>(blocks.size() - 1),
                               static_cast<std::uint32_t>(block.size()), text.size()};
    block.append(text);
    return at;
}

template <typename Char>
std::basic_string_view<Char> text_of(const std::vector<std::basic_string<Char>>& blocks,
                                     const Recordset::TextAt& at) {
    return std::basic_string_view<Char>(blocks[at.block]).substr(at.offset, at.length);
}

struct Finalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

}  // namespace

void Recordset::Open(const vb::String& source, Connection& connection, CursorTypeEnum,
                     LockTypeEnum) {
    Close();
    if (!connection.is_open()) {
        throw vb::RuntimeError(kObjectClosed,
                               "Operation is not allowed when the object is closed.");
    }
    std::string dialect_error;
    const auto statement_text = to_sqlite(source, dialect_error);
    if (!statement_text) {
        throw vb::RuntimeError(kStatementRefused, dialect_error);
    }
    sqlite3* db = connection.handle();
    const std::string path = vb::to_utf8(connection.ConnectionString);
    const vb::String& text = *statement_text;
    sqlite3_stmt* raw = nullptr;
    int result =
        sqlite3_prepare16_v2(db, text.data(), static_cast<int>(text.size() * 2), &raw, nullptr);
    std::unique_ptr<sqlite3_stmt, Finalize> statement(raw);
    if (result != SQLITE_OK) {
        raise_sqlite_error(db, result, path);
    }
    const int column_count = sqlite3_column_count(raw);
    columns_.clear();
    for (int c = 0; c < column_count; ++c) {
        const auto* name = static_cast<const char16_t*>(sqlite3_column_name16(raw, c));
        columns_.emplace_back(name != nullptr ? name : u"");
    }
    fields_.resize(columns_.size());
    while ((result = sqlite3_step(raw)) == SQLITE_ROW) {
        for (int c = 0; c < column_count; ++c) {
            read_cell(raw, c);
        }
        ++rows_;
    }
    if (result != SQLITE_DONE) {
        Close();
        raise_sqlite_error(db, result, path);
    }
    current_ = 0;
    open_ = true;
}

void Recordset::read_cell(sqlite3_stmt* statement, int column) {
    Cell& cell = cells_.emplace_back();
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_NULL:
            cell.kind = Cell::Kind::kNull;
            break;
        case SQLITE_INTEGER:
            cell.kind = Cell::Kind::kInteger;
            cell.integer = sqlite3_column_int64(statement, column);
            break;
        case SQLITE_FLOAT:
            cell.kind = Cell::Kind::kReal;
            cell.real = sqlite3_column_double(statement, column);
            break;
        default:
            read_text(statement, column, cell);
    }
}

// SQLite hands out a text as the file stores it, UTF-8 here, without converting it or
// allocating: the common ASCII text is kept so, and only other text is asked for in UTF-16.
void Recordset::read_text(sqlite3_stmt* statement, int column, Cell& cell) {
    const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
    const std::string_view narrow(bytes != nullptr ? bytes : "", bytes != nullptr ? size : 0);
    if (std::all_of(narrow.begin(), narrow.end(), [](char c) { return (c & 0x80) == 0; })) {
        cell.kind = Cell::Kind::kAscii;
        cell.text = append_to_blocks(ascii_, narrow);
        return;
    }
    const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
    const auto length = static_cast<std::size_t>(sqlite3_column_bytes16(statement, column)) / 2;
    cell.kind = Cell::Kind::kText;
    cell.text = append_to_blocks(texts_, std::u16string_view(text, length));
}

void Recordset::Close() {
    columns_.clear();
    cells_.clear();
    ascii_.clear();
    texts_.clear();
    fields_.clear();
    rows_ = 0;
    current_ = 0;
    open_ = false;
}

long Recordset::RecordCount() const {
    return open_ ? static_cast<long>(rows_) : -1;
}

void Recordset::MoveFirst() {
    current_ = 0;
}

void Recordset::MoveLast() {
    current_ = rows_ == 0 ? 0 : rows_ - 1;
}

void Recordset::MoveNext() {
    if (current_ >= rows_) {
        throw vb::RuntimeError(kNoCurrentRecord,
                               "Either BOF or EOF is True, or the current record has been "
                               "deleted. Requested operation requires a current record.");
    }
    ++current_;
}

bool Recordset::Eof() const {
    return current_ >= rows_;
}

const vb::Variant& Recordset::Fields(std::u16string_view name) const {
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (vb::equals_ignoring_ascii_case(columns_[c], name)) {
            if (Eof()) {
                throw vb::RuntimeError(kNoCurrentRecord,
                                       "Either BOF or EOF is True, or the current record has "
                                       "been deleted. Requested operation requires a current "
                                       "record.");
            }
            const Cell& cell = cells_[current_ * columns_.size() + c];
            vb::Variant& field = fields_[c];
            switch (cell.kind) {
                case Cell::Kind::kNull:
                    field = vb::Null{};
                    break;
                case Cell::Kind::kInteger:
                    field = cell.integer;
                    break;
                case Cell::Kind::kReal:
                    field = cell.real;
                    break;
                case Cell::Kind::kAscii:
                    field.assign_ascii(text_of(ascii_, cell.text));
                    break;
                case Cell::Kind::kText:
                    field.assign_text(text_of(texts_, cell.text));
                    break;
            }
            return field;
        }
    }
    throw vb::RuntimeError(kItemNotFound,
                           "Item cannot be found in the collection corresponding to the "
                           "requested name or ordinal.");
}

}  // namespace ado
