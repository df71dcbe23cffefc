// How a fuzz target reads its bytes: fields split at 0xFF (a byte UTF-8 never uses), each
// read as UTF-8 in which encoded surrogates stand alone and a malformed byte stands for the
// Latin-1 character of that number, so that every UTF-16 text has a readable input.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz_input {

inline std::u16string decode(std::string_view bytes) {
    std::u16string out;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC0 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF8 ? 4
                                                 : 0;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = length > 0 && i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!valid || code < kShortest[length] || code > 0x10FFFF) {
            out += static_cast<char16_t>(lead);
            ++i;
            continue;
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

}  // namespace fuzz_input
