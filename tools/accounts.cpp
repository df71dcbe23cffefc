// The account commands and the access entries that let one account reach another.
#include <cstdio>

#include "data/schema.h"
#include "data/statements.h"
#include "owners.h"
#include "platform/vb/variant.h"
#include "rows.h"
#include "values.h"

namespace tool {

namespace {

vb::String entry_of(std::u16string_view owner, std::u16string_view login) {
    return owned_by(owner) + u" AND psd='" + statements::quoted(login) + u"'";
}

}  // namespace

int account_add(const std::string& database, const std::string& login,
                const std::string& password) {
    const vb::String filled = filled_login(login, "the login");
    const vb::String typed = fitting_text(password, data::kPasswordWidth, "the password", false);
    ToolDatabase db(database);
    db.change([&] {
        if (is_account(db, filled)) {
            throw Stop(kRefused, "the login " + shown_login(filled) + " is already used");
        }
        db.write(statements::new_account(filled, typed));
    });
    std::printf("added the account %s\n", shown_login(filled).c_str());
    return kDone;
}

// The account goes with the rows it owns and the entries that let others reach it, so that
// nothing is left pointing at it.
int account_remove(const std::string& database, const std::string& login) {
    const vb::String filled = filled_login(login, "the login");
    ToolDatabase db(database);
    db.change([&] {
        require_account(db, filled, "the login");
        db.write(statements::delete_account(filled));
        for (const char16_t* table : {u"acceder", u"ftp", u"contact"}) {
            db.write(u"DELETE * FROM " + vb::String(table) + owned_by(filled) + u";");
        }
        db.write(u"DELETE * FROM acceder WHERE psd='" + statements::quoted(filled) + u"';");
    });
    std::printf("removed the account %s with its rows\n", shown_login(filled).c_str());
    return kDone;
}

int account_list(const std::string& database) {
    ToolDatabase db(database);
    for (const vb::String& login : account_logins(db)) {
        std::printf("%s\n", shown_login(login).c_str());
    }
    return kDone;
}

// Granting again sets the flags of the entry there is: a second row would bring the
// account's sites and contacts twice.
int grant(const std::string& database, const std::string& owner, const std::string& login, bool ftp,
          bool contacts) {
    const vb::String filled_owner = filled_login(owner, "the owner");
    const vb::String filled = filled_login(login, "the login");
    const vb::String ftpa = ftp ? u"True" : u"False";
    const vb::String contacta = contacts ? u"True" : u"False";
    ToolDatabase db(database);
    db.change([&] {
        require_account(db, filled_owner, "the owner", true);
        require_account(db, filled, "the login");
        if (db.count(u"SELECT psd FROM acceder" + entry_of(filled_owner, filled) + u";") > 0) {
            db.write(u"UPDATE acceder SET ftpa=" + ftpa + u", contacta=" + contacta +
                     entry_of(filled_owner, filled) + u";");
        } else {
            db.write(u"INSERT INTO acceder (loggin, psd, ftpa, contacta) VALUES ('" +
                     statements::quoted(filled_owner) + u"','" + statements::quoted(filled) +
                     u"'," + ftpa + u"," + contacta + u");");
        }
    });
    std::printf("%s reaches %s (FTP: %s, contacts: %s)\n", shown_login(filled_owner).c_str(),
                shown_login(filled).c_str(), ftp ? "yes" : "no", contacts ? "yes" : "no");
    return kDone;
}

int revoke(const std::string& database, const std::string& owner, const std::string& login) {
    const vb::String filled_owner = filled_login(owner, "the owner");
    const vb::String filled = filled_login(login, "the login");
    ToolDatabase db(database);
    db.change([&] {
        if (db.count(u"SELECT psd FROM acceder" + entry_of(filled_owner, filled) + u";") == 0) {
            throw Stop(kRefused,
                       shown_login(filled_owner) + " has no entry for " + shown_login(filled));
        }
        db.write(u"DELETE * FROM acceder" + entry_of(filled_owner, filled) + u";");
    });
    std::printf("%s no longer reaches %s\n", shown_login(filled_owner).c_str(),
                shown_login(filled).c_str());
    return kDone;
}

}  // namespace tool
