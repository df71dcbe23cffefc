#include "owners.h"

#include <algorithm>
#include <string>

#include "data/statements.h"
#include "platform/vb/fixed_text.h"
#include "platform/vb/variant.h"
#include "stop.h"
#include "values.h"

namespace tool {

std::vector<vb::String> account_logins(ToolDatabase& db) {
    std::vector<vb::String> logins;
    db.read(statements::all_accounts(), [&](const ado::Recordset& row) {
        logins.push_back(vb::fit(vb::CStr(row.Fields(u"loggin")), 50));
    });
    return logins;
}

bool is_account(ToolDatabase& db, std::u16string_view filled) {
    const auto logins = account_logins(db);
    return std::find(logins.begin(), logins.end(), filled) != logins.end();
}

void require_account(ToolDatabase& db, std::u16string_view filled, std::string_view what,
                     bool public_allowed) {
    if ((public_allowed && filled == public_login()) || is_account(db, filled)) {
        return;
    }
    throw Stop(kRefused, std::string(what) + " " + shown_login(filled) + " is no account" +
                             (public_allowed ? " (nor the public entry ' Public')" : ""));
}

vb::String owned_by(std::u16string_view filled) {
    return u" WHERE loggin='" + statements::quoted(filled) + u"'";
}

}  // namespace tool
