// Fixed-length text: a value stands left-aligned, filled with blanks to its width, and a
// longer value is cut to the width. Nothing here ever trims.
#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/vb/text.h"

namespace vb {

// The text filled with blanks or cut to `width` characters.
inline String fit(std::u16string_view text, std::size_t width) {
    String result(text.substr(0, width));
    result.resize(width, u' ');
    return result;
}

// Always exactly N characters; kept inline so that a table of records needs no allocation.
template <std::size_t N>
class FixedText final {
public:
    static constexpr std::size_t width = N;

    FixedText() { chars_.fill(u' '); }
    // Implicit from any text, as assigning text to a fixed-length field fits it.
    template <typename T>
    requires std::convertible_to<const T&, std::u16string_view> FixedText(
        const T& text) {  // NOLINT
        assign(text);
    }

    template <typename T>
    requires std::convertible_to<const T&, std::u16string_view> FixedText& operator=(
        const T& text) {
        assign(text);
        return *this;
    }

    String text() const { return String(view()); }
    std::u16string_view view() const { return {chars_.data(), N}; }
    operator std::u16string_view() const { return view(); }  // NOLINT

    friend bool operator==(const FixedText& a, const FixedText& b) = default;

private:
    void assign(std::u16string_view text) {
        const std::size_t kept = text.size() < N ? text.size() : N;
        std::char_traits<char16_t>::copy(chars_.data(), text.data(), kept);
        std::char_traits<char16_t>::assign(chars_.data() + kept, N - kept, u' ');
    }

    std::array<char16_t, N> chars_;
};

}  // namespace vb
