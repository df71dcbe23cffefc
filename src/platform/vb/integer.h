// The runtime's Integer: a signed 16-bit whole number whose arithmetic raises Overflow
// instead of wrapping.
#pragma once

#include <compare>
#include <cstdint>

#include "platform/vb/runtime_error.h"

namespace vb {

class Integer final {
public:
    static constexpr int kMin = -32768;
    static constexpr int kMax = 32767;

    constexpr Integer() = default;
    // Implicit, so that literals and int results read naturally; out of range raises Overflow.
    constexpr Integer(long long value) : value_(checked(value)) {}  // NOLINT

    constexpr int value() const { return value_; }

    friend constexpr Integer operator+(Integer a, Integer b) {
        return Integer(0LL + a.value_ + b.value_);
    }
    friend constexpr Integer operator-(Integer a, Integer b) {
        return Integer(0LL + a.value_ - b.value_);
    }
    friend constexpr Integer operator*(Integer a, Integer b) {
        return Integer(1LL * a.value_ * b.value_);
    }
    constexpr Integer operator-() const { return Integer(-static_cast<long long>(value_)); }
    constexpr Integer& operator+=(Integer other) { return *this = *this + other; }
    constexpr Integer& operator-=(Integer other) { return *this = *this - other; }
    constexpr Integer& operator++() { return *this += 1; }
    constexpr Integer& operator--() { return *this -= 1; }

    friend constexpr bool operator==(Integer a, Integer b) = default;
    friend constexpr auto operator<=>(Integer a, Integer b) = default;

private:
    static constexpr std::int16_t checked(long long value) {
        if (value < kMin || value > kMax) {
            raise(kOverflow);
        }
        return static_cast<std::int16_t>(value);
    }

    std::int16_t value_ = 0;
};

}  // namespace vb
