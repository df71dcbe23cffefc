// The values a person gives on the command line, checked and shaped the way the program
// holds them, and the values of the tables shown back so that nothing hides in them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/vb/text.h"

namespace tool {

// The login filled with blanks to 50 characters; refused (empty, or longer than 50
// characters as the program counts them) with a message naming `what`.
vb::String filled_login(std::string_view typed, std::string_view what);

// The text as typed; refused where it is longer than the `width` characters the program
// reads it into, or empty where `may_be_empty` is false.
vb::String fitting_text(std::string_view typed, std::size_t width, std::string_view what,
                        bool may_be_empty = true);

// The filled login of the built-in public entry, which owns rows without being an account.
const vb::String& public_login();

// A value as lists show it: plain, or in single quotes with control characters escaped
// where it holds any or starts or ends with a blank.
std::string shown(std::u16string_view value);
// A stored login without the blanks it is filled with.
std::string shown_login(std::u16string_view filled);

}  // namespace tool
