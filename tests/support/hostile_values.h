// Values a statement or a LIKE pattern could take for its own syntax, and text that
// conversions get wrong, for every test that hands what a person types to the database.
#pragma once

#include <string_view>

namespace test_support {

// Statement and LIKE syntax, control characters, a NUL, right-to-left and combining
// characters, a pair of UTF-16 units, a bidirectional override, a lone half of a pair.
using namespace std::string_view_literals;

// clang-format off
inline constexpr std::u16string_view kHostileValues[] = {
    u"'"sv, u"''"sv, u"'; DELETE FROM compte; --"sv, u"x' OR '1'='1"sv, u"%"sv, u"_"sv, u"["sv,
    u"]"sv, u"[!a]"sv, u"[a-z]"sv, u"a%"sv, u"*"sv, u"?"sv, u"#"sv, u"\\"sv, u"ann%"sv, u"an_"sv,
    u"a\0b"sv, u"a\tb"sv, u"a\nb"sv, u"a\r\n"sv, u"\u05E9\u05DC\u05D5\u05DD"sv, u"e\u0301"sv,
    u"\U0001F600"sv, u"\u202Eann"sv, u"a\xD800z"sv};
// clang-format on

}  // namespace test_support
