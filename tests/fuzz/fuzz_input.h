// How a fuzz target reads its bytes: fields split at 0xFF (a byte UTF-8 never uses), each
// read as UTF-8 in which encoded surrogates stand alone, so that every UTF-16 text the
// toolkit can carry, lone surrogates and NULs included, has a readable input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz_input {

// A malformed byte stands for the Latin-1 character of that number.
inline std::u16string decode(std::string_view bytes) {
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = length > 0 && i + length <= bytes.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && code >= kShortest[length] && code <= 0x10FFFF;
        if (!valid) {
            out += static_cast<char16_t>(lead);
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            code -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            out += static_cast<char16_t>(code);
        }
        i += length;
    }
    return out;
}

inline std::vector<std::u16string> fields(const std::uint8_t* data, std::size_t size) {
    std::vector<std::u16string> out;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = bytes.find('\xFF', start);
        out.push_back(decode(bytes.substr(start, end - start)));
        if (end == std::string_view::npos) {
            return out;
        }
        start = end + 1;
    }
}

}  // namespace fuzz_input
