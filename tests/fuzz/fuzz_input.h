// How a fuzz target reads its bytes: UTF-8 in which encoded surrogates stand alone and a
// malformed byte stands for the Latin-1 character of that number, so that every UTF-16 text
// has a readable input; and how it fails, aborting as libFuzzer expects.
#pragma once

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz_input {

inline std::u16string decode(std::string_view bytes) {
    std::u16string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int ones = std::countl_one(lead);  // 0 for ASCII, else the sequence's length
        std::size_t length = ones == 0 ? 1 : ones >= 2 && ones <= 4 ? ones : 0;
        char32_t code = lead & (0xFF >> (ones + 1));
        bool valid = length > 0 && i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            valid = (bytes[i + k] & 0xC0) == 0x80;
            code = (code << 6) | (bytes[i + k] & 0x3F);
        }
        constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!valid || code < kShortest[length] || code > 0x10FFFF) {
            code = lead;
            length = 1;
        }
        if (code >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            code = 0xDC00 + (code & 0x3FF);
        }
        out += static_cast<char16_t>(code);
        i += length;
    }
    return out;
}

inline void require(bool holds, const char* property, const std::string& input) {
    if (!holds) {
        std::fprintf(stderr, "%s\n  input: %s\n", property, input.c_str());
        std::abort();
    }
}

}  // namespace fuzz_input
