// A dynamic array with a resizable upper bound (lower bound 0), as the tables use it:
// resizing keeps the existing elements, and indexing outside the bounds raises
// "Subscript out of range".
#pragma once

#include <cstddef>
#include <vector>

#include "platform/vb/integer.h"
#include "platform/vb/runtime_error.h"

namespace vb {

template <typename T>
class DynArray final {
public:
    // Resizes to the indices 0 .. upper, keeping the elements that remain.
    void redim_preserve(Integer upper) {
        if (upper.value() < 0) {
            raise(kSubscriptOutOfRange);
        }
        elements_.resize(static_cast<std::size_t>(upper.value()) + 1);
    }

    // Elements in storage: the upper bound plus one, or 0 before the first resize.
    std::size_t size() const { return elements_.size(); }

    T& operator[](Integer index) { return elements_[checked(index)]; }
    const T& operator[](Integer index) const { return elements_[checked(index)]; }

private:
    std::size_t checked(Integer index) const {
        if (index.value() < 0 || static_cast<std::size_t>(index.value()) >= elements_.size()) {
            raise(kSubscriptOutOfRange);
        }
        return static_cast<std::size_t>(index.value());
    }

    std::vector<T> elements_;
};

}  // namespace vb
