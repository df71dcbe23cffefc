#include "values.h"

#include <cstdio>

#include "data/schema.h"
#include "platform/vb/fixed_text.h"
#include "stop.h"

namespace tool {

namespace {

std::string characters(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " character" : " characters");
}

bool is_control(char16_t c) {
    return c < 0x20 || c == 0x7F;
}

}  // namespace

vb::String fitting_text(std::string_view typed, std::size_t width, std::string_view what,
                        bool may_be_empty) {
    vb::String text = vb::from_utf8(typed);
    if (text.empty() && !may_be_empty) {
        throw Stop(kRefused, std::string(what) + " is empty");
    }
    if (text.size() > width) {
        throw Stop(kRefused, std::string(what) + " holds " + characters(text.size()) +
                                 "; the program keeps at most " + std::to_string(width));
    }
    return text;
}

vb::String filled_login(std::string_view typed, std::string_view what) {
    return vb::fit(fitting_text(typed, data::kLoginWidth, what, false), data::kLoginWidth);
}

const vb::String& public_login() {
    static const vb::String login = vb::fit(u" Public", data::kLoginWidth);
    return login;
}

std::string shown(std::u16string_view value) {
    bool plain = value.empty() || (value.front() != u' ' && value.back() != u' ');
    for (char16_t c : value) {
        plain = plain && !is_control(c);
    }
    if (plain) {
        return vb::to_utf8(value);
    }
    vb::String text = u"'";
    for (char16_t c : value) {
        if (c == u'\t') {
            text += u"\\t";
        } else if (c == u'\n') {
            text += u"\\n";
        } else if (is_control(c)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", unsigned(c));
            text += vb::from_utf8(escaped);
        } else {
            text += c;
        }
    }
    return vb::to_utf8(text + u"'");
}

std::string shown_login(std::u16string_view filled) {
    const std::size_t end = filled.find_last_not_of(u' ');
    return shown(filled.substr(0, end == std::u16string_view::npos ? 0 : end + 1));
}

}  // namespace tool
