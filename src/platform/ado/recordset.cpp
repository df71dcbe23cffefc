#include "ado/recordset.h"

#include <sqlite3.h>

#include <memory>

#include "ado/connection.h"
#include "ado/errors.h"
#include "ado/jet_dialect.h"
#include "vb/runtime_error.h"

namespace ado {

namespace {

constexpr std::int32_t kItemNotFound = -2146825023;     // 800a0cc1
constexpr std::int32_t kNoCurrentRecord = -2146825267;  // 800a0bcd
constexpr std::int32_t kObjectClosed = -2146824584;     // 800a0e78

struct Finalize {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

vb::Variant value_of(sqlite3_stmt* statement, int column) {
    switch (sqlite3_column_type(statement, column)) {
        case SQLITE_NULL:
            return vb::Null{};
        case SQLITE_INTEGER:
            return std::int64_t{sqlite3_column_int64(statement, column)};
        case SQLITE_FLOAT:
            return sqlite3_column_double(statement, column);
        default: {
            const auto* text =
                static_cast<const char16_t*>(sqlite3_column_text16(statement, column));
            const int bytes = sqlite3_column_bytes16(statement, column);
            return vb::String(text, static_cast<std::size_t>(bytes) / 2);
        }
    }
}

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
    sqlite3_stmt* raw = nullptr;
    int result = sqlite3_prepare16_v2(db, statement_text->data(),
                                      static_cast<int>(statement_text->size() * 2), &raw, nullptr);
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
    values_.clear();
    rows_ = 0;
    while ((result = sqlite3_step(raw)) == SQLITE_ROW) {
        for (int c = 0; c < column_count; ++c) {
            values_.push_back(value_of(raw, c));
        }
        ++rows_;
    }
    if (result != SQLITE_DONE) {
        columns_.clear();
        values_.clear();
        rows_ = 0;
        raise_sqlite_error(db, result, path);
    }
    current_ = 0;
    open_ = true;
}

void Recordset::Close() {
    columns_.clear();
    values_.clear();
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
            return values_[current_ * columns_.size() + c];
        }
    }
    throw vb::RuntimeError(kItemNotFound,
                           "Item cannot be found in the collection corresponding to the "
                           "requested name or ordinal.");
}

}  // namespace ado
