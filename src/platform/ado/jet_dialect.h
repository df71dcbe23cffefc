// The Jet dialect as the system writes it, turned into SQLite's: "DELETE * FROM", a
// closing ";", literals with NULs; its LIKE is jet_like.h's, installed on every connection.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/vb/text.h"

namespace ado {

// The statement as SQLite should run it, or nullopt with `error` set (a Jet-style
// message) when the text is not one statement of the dialect.
std::optional<vb::String> to_sqlite(std::u16string_view jet, std::string& error);

}  // namespace ado
