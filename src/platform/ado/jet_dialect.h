// The Jet dialect as the system writes it, turned into SQLite's: "DELETE * FROM",
// a closing ";", and LIKE with %, _, [list] and [!list], compared exactly (case and
// trailing blanks count).
#pragma once

#include <optional>
#include <string_view>

#include "vb/text.h"

namespace ado {

// The statement as SQLite should run it, or nullopt with `error` set (a Jet-style
// message) when the text is not one statement of the dialect.
std::optional<vb::String> to_sqlite(std::u16string_view jet, std::string& error);

enum class LikeResult { kMatch, kNoMatch, kInvalidPattern };

// Jet's LIKE: % any run, _ one character, [abc], [a-z], [!abc]; everything else literal.
LikeResult jet_like(std::u16string_view text, std::u16string_view pattern);

}  // namespace ado
