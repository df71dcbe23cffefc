// The text of every statement the system sends, built in this one place. Values are
// passed on safely: single quotes are doubled, and a login used as a LIKE pattern has its
// wildcard characters bracketed, so that it matches only itself.
#pragma once

#include <string_view>

#include "platform/vb/text.h"

namespace statements {

vb::String all_accounts();
vb::String access_rights_of(std::u16string_view filled_login);
vb::String ftp_sites_of(std::u16string_view filled_login);
vb::String contacts_of(std::u16string_view filled_login);
vb::String new_account(std::u16string_view filled_login, std::u16string_view password);
vb::String delete_account(std::u16string_view filled_login);
vb::String new_password(std::u16string_view password, std::u16string_view filled_login);

// The value inside single quotes: every quote doubled.
vb::String quoted(std::u16string_view value);
// The value as a LIKE pattern that matches exactly it: %, _ and [ bracketed, quotes doubled.
vb::String literal_pattern(std::u16string_view value);

}  // namespace statements
