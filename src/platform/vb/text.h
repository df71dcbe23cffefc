// Text as the runtime holds it: UTF-16 code units, so that a width in characters
// counts what the toolkit and the database count.
#pragma once

#include <string>
#include <string_view>

namespace vb {

using String = std::u16string;

// Lone surrogates become U+FFFD on the way to UTF-8; invalid UTF-8 bytes likewise on the way back.
std::string to_utf8(std::u16string_view text);
String from_utf8(std::string_view text);

// The text with each lone half of a surrogate pair replaced by U+FFFD, as a conversion to
// UTF-8 would leave it; well-formed text comes back unchanged.
String well_formed(String text);

// Equal but for the case of ASCII letters, as names of providers and columns compare.
bool equals_ignoring_ascii_case(std::u16string_view a, std::u16string_view b);

}  // namespace vb
