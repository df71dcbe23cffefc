// The four tables as the program uses them: each column, how the loaders read it and the
// width of the field it lands in, and the text that creates them. The program itself never
// creates or alters a table; the database tool does, from this description.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace data {

enum class ColumnUse {
    kOwner,    // the owner's filled login, only filtered on
    kLogin,    // a filled login read into its 50 characters
    kText,     // text read into a field of `width` characters
    kBoolean,  // read as a Boolean
    kInteger,  // read as a signed 16-bit integer
};

struct Column {
    std::string_view name;
    ColumnUse use;
    std::size_t width = 0;  // text columns only
};

struct Table {
    std::string_view name;
    std::span<const Column> columns;
};

inline constexpr std::size_t kLoginWidth = 50;
inline constexpr std::size_t kPasswordWidth = 25;

// compte, acceder, ftp and contact, in that order.
std::span<const Table> tables();

// The four tables, and the index that keeps one row per login in compte.
std::string_view create_tables_sql();
std::string_view login_index_sql();

}  // namespace data
