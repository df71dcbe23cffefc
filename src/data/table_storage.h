// How every table grows and shrinks: the live entries stand at 0 .. count - 1 and the
// storage always keeps one spare element above them.
#pragma once

#include <utility>

#include "platform/vb/dyn_array.h"
#include "platform/vb/integer.h"

namespace data {

// Past 32767 entries the count itself raises Overflow, before anything is stored.
template <typename T>
void append(vb::DynArray<T>& table, vb::Integer& count, T record) {
    count += 1;
    table.redim_preserve(count);
    table[count - 1] = std::move(record);
}

// The entries behind `index` move down one place, each as a whole record.
template <typename T>
void remove_at(vb::DynArray<T>& table, vb::Integer& count, vb::Integer index) {
    for (vb::Integer k = index; k < count - 1; ++k) {
        table[k] = std::move(table[k + 1]);
    }
    count -= 1;
    table.redim_preserve(count);
}

// Takes out the first entry that `matches`; false when none does.
template <typename T, typename Predicate>
bool remove_first(vb::DynArray<T>& table, vb::Integer& count, Predicate matches) {
    for (vb::Integer k = 0; k < count; ++k) {
        if (matches(table[k])) {
            remove_at(table, count, k);
            return true;
        }
    }
    return false;
}

}  // namespace data
