// Who may own rows: the stored accounts and the public entry, compared on their filled
// logins as the program compares them.
#pragma once

#include <string_view>
#include <vector>

#include "platform/vb/text.h"
#include "tool_database.h"

namespace tool {

// Every login of compte, as the program reads it into its 50 characters.
std::vector<vb::String> account_logins(ToolDatabase& db);

bool is_account(ToolDatabase& db, std::u16string_view filled);
// Stops with kRefused, naming `what`, where `filled` is no account (nor, if allowed, the
// public entry).
void require_account(ToolDatabase& db, std::u16string_view filled, std::string_view what,
                     bool public_allowed = false);

// "WHERE loggin='...'" for the rows `filled` owns.
vb::String owned_by(std::u16string_view filled);

}  // namespace tool
