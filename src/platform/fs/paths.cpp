#include "platform/fs/paths.h"

#include <algorithm>
#include <cctype>
#include <type_traits>

#include "platform/fs/drives.h"
#include "platform/fs/drives_cache.h"
#include "platform/vb/runtime_error.h"

namespace fs {

namespace {

// The length of the valid UTF-8 sequence at the front of `bytes`, or 0 when none starts there.
std::size_t utf8_sequence(std::string_view bytes, char32_t& code_point) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        code_point = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code_point = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code_point = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code_point = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(k) & 0xC0) != 0x80) {
            return 0;
        }
        code_point = (code_point << 6) | (byte(k) & 0x3F);
    }
    const bool surrogate = code_point >= 0xD800 && code_point <= 0xDFFF;
    if (code_point < minimum || code_point > 0x10FFFF || surrogate) {
        return 0;
    }
    return length;
}

// How many units at the front of `text` are ASCII.
template <typename Unit>
std::size_t ascii_prefix(std::basic_string_view<Unit> text) {
    const auto end = std::find_if(text.begin(), text.end(), [](Unit unit) {
        return static_cast<std::make_unsigned_t<Unit>>(unit) >= 0x80;
    });
    return static_cast<std::size_t>(end - text.begin());
}

bool is_escaped_byte(char16_t unit) {
    return unit >= 0xDC80 && unit <= 0xDCFF;
}

}  // namespace

vb::String name_from_native(std::string_view bytes) {
    vb::String name;
    name.reserve(bytes.size());
    while (!bytes.empty()) {
        // Names are mostly ASCII, whose bytes widen one to one without decoding.
        const std::size_t ascii = ascii_prefix(bytes);
        if (ascii > 0) {
            const std::size_t at = name.size();
            name.resize(at + ascii);
            std::copy_n(bytes.begin(), ascii, name.begin() + static_cast<std::ptrdiff_t>(at));
            bytes.remove_prefix(ascii);
            continue;
        }
        char32_t c = 0;
        const std::size_t length = utf8_sequence(bytes, c);
        if (length == 0) {
            name += static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[0]));
            bytes.remove_prefix(1);
            continue;
        }
        if (c < 0x10000) {
            name += static_cast<char16_t>(c);
        } else {
            name += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            name += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
        bytes.remove_prefix(length);
    }
    return name;
}

std::string name_to_native(std::u16string_view name) {
    // An ASCII name is its own bytes, which need no encoding.
    const std::size_t ascii = ascii_prefix(name);
    std::string bytes;
    bytes.reserve(name.size());
    bytes.resize(ascii);
    std::copy_n(name.begin(), ascii, bytes.begin());
    if (ascii == name.size()) {
        return bytes;
    }
    std::size_t run = ascii;  // where the text not yet written begins
    for (std::size_t k = ascii; k < name.size(); ++k) {
        // The low half of a surrogate pair may fall in the same range as an odd byte.
        const bool after_high = k > 0 && name[k - 1] >= 0xD800 && name[k - 1] <= 0xDBFF;
        if (is_escaped_byte(name[k]) && !after_high) {
            bytes += vb::to_utf8(name.substr(run, k - run));
            bytes += static_cast<char>(name[k] - 0xDC00);
            run = k + 1;
        }
    }
    bytes += vb::to_utf8(name.substr(run));
    return bytes;
}

std::filesystem::path native_path(std::u16string_view path) {
    if (path.size() < 2 || path[1] != u':') {
        vb::raise(vb::kBadFileNameOrNumber);
    }
    std::filesystem::path native = drive_root(path[0]);
    std::u16string_view rest = path.substr(2);
    if (rest.empty()) {
        return native;
    }
    if (rest[0] != u'\\') {
        vb::raise(vb::kBadFileNameOrNumber);
    }
    rest.remove_prefix(1);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(u'\\'), rest.size());
        const std::u16string_view part = rest.substr(0, end);
        // A slash or a NUL inside a name would lead somewhere else than the name says.
        if (part.empty() || part.find_first_of(u"/\0", 0, 2) != std::u16string_view::npos) {
            vb::raise(vb::kBadFileNameOrNumber);
        }
        native /= name_to_native(part);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return native;
}

}  // namespace fs
