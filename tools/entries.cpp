// The FTP sites and contacts of an account, or of the public entry.
#include <cstdio>
#include <initializer_list>
#include <string>

#include "data/records.h"
#include "data/statements.h"
#include "owners.h"
#include "platform/vb/variant.h"
#include "rows.h"
#include "values.h"

namespace tool {

namespace {

template <typename Field>
vb::String field(const std::string& typed, std::string_view what) {
    return u"'" + statements::quoted(fitting_text(typed, Field::width, what)) + u"'";
}

vb::String number(int value) {
    return vb::from_utf8(std::to_string(value));
}

// The owner's rows, or everyone's.
vb::String rows_of(const std::optional<std::string>& owner) {
    return owner ? owned_by(filled_login(*owner, "the owner")) : vb::String();
}

// One line a row, tab-separated: the owner without its fill, then each column as lists
// show it. Whole-number columns are read as the program reads them.
void list_rows(const std::string& database, std::u16string_view table,
               std::initializer_list<std::u16string_view> columns,
               const std::optional<std::string>& owner) {
    vb::String select = u"SELECT loggin";
    for (std::u16string_view column : columns) {
        select += u"," + vb::String(column);
    }
    select += u" FROM " + vb::String(table) + rows_of(owner) + u";";
    ToolDatabase db(database);
    db.read(select, [&](const ado::Recordset& row) {
        std::string line = shown_login(vb::CStr(row.Fields(u"loggin")));
        for (std::u16string_view column : columns) {
            const vb::Variant& value = row.Fields(column);
            line += "\t" + (column == u"port" || column == u"num"
                                ? std::to_string(vb::CInt(value).value())
                                : shown(vb::CStr(value)));
        }
        std::printf("%s\n", line.c_str());
    });
}

// Removes the owner's rows that `which` selects; none is a refusal.
void remove_owned(const std::string& database, const char16_t* table, std::u16string_view owner,
                  const vb::String& which, const std::string& what) {
    const vb::String rows = vb::String(table) + owned_by(owner) + which + u";";
    ToolDatabase db(database);
    db.change([&] {
        if (db.count(u"SELECT loggin FROM " + rows) == 0) {
            throw Stop(kRefused, shown_login(owner) + " has no " + what);
        }
        db.write(u"DELETE * FROM " + rows);
    });
    std::printf("removed %s of %s\n", what.c_str(), shown_login(owner).c_str());
}

}  // namespace

int site_add(const std::string& database, const std::string& owner, const SiteFields& site) {
    const vb::String filled = filled_login(owner, "the owner");
    const vb::String values = field<decltype(SiteFtp::log)>(site.login, "the site's login") + u"," +
                              field<decltype(SiteFtp::adress)>(site.address, "the address") + u"," +
                              field<decltype(SiteFtp::mdp)>(site.password, "the site's password") +
                              u"," + number(site.port) + u"," +
                              field<decltype(SiteFtp::nom)>(site.name, "the name");
    ToolDatabase db(database);
    db.change([&] {
        require_account(db, filled, "the owner", true);
        db.write(u"INSERT INTO ftp (loggin, log, adress, mdp, port, nom) VALUES ('" +
                 statements::quoted(filled) + u"'," + values + u");");
    });
    std::printf("added the site %s of %s\n", shown(vb::from_utf8(site.name)).c_str(),
                shown_login(filled).c_str());
    return kDone;
}

int site_remove(const std::string& database, const std::string& owner, const std::string& name) {
    remove_owned(database, u"ftp", filled_login(owner, "the owner"),
                 u" AND nom=" + field<decltype(SiteFtp::nom)>(name, "the name"),
                 "site " + shown(vb::from_utf8(name)));
    return kDone;
}

int site_list(const std::string& database, const std::optional<std::string>& owner) {
    list_rows(database, u"ftp", {u"nom", u"adress", u"port", u"log"}, owner);
    return kDone;
}

// A contact's number picks it out among its owner's, so it is kept unique there.
int contact_add(const std::string& database, const std::string& owner,
                const ContactFields& contact) {
    const vb::String filled = filled_login(owner, "the owner");
    const vb::String values =
        number(contact.num) + u"," +
        field<decltype(Contact::nom)>(contact.last_name, "the last name") + u"," +
        field<decltype(Contact::prenom)>(contact.first_name, "the first name") + u"," +
        field<decltype(Contact::adress)>(contact.address, "the address") + u"," +
        field<decltype(Contact::cp)>(contact.zip, "the postal code") + u"," +
        field<decltype(Contact::ville)>(contact.town, "the town");
    ToolDatabase db(database);
    db.change([&] {
        require_account(db, filled, "the owner", true);
        if (db.count(u"SELECT num FROM contact" + owned_by(filled) + u" AND num=" +
                     number(contact.num) + u";") > 0) {
            throw Stop(kRefused, shown_login(filled) + " already has a contact number " +
                                     std::to_string(contact.num));
        }
        db.write(u"INSERT INTO contact (loggin, num, nom, prenom, adress, cp, ville) VALUES ('" +
                 statements::quoted(filled) + u"'," + values + u");");
    });
    std::printf("added the contact %d of %s\n", contact.num, shown_login(filled).c_str());
    return kDone;
}

int contact_remove(const std::string& database, const std::string& owner, int num) {
    remove_owned(database, u"contact", filled_login(owner, "the owner"), u" AND num=" + number(num),
                 "contact number " + std::to_string(num));
    return kDone;
}

int contact_list(const std::string& database, const std::optional<std::string>& owner) {
    list_rows(database, u"contact", {u"num", u"nom", u"prenom", u"adress", u"cp", u"ville"}, owner);
    return kDone;
}

}  // namespace tool
