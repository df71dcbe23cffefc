#include "data/statements.h"

namespace statements {

vb::String quoted(std::u16string_view value) {
    vb::String text;
    text.reserve(value.size());
    for (char16_t c : value) {
        text += c;
        if (c == u'\'') {
            text += u'\'';
        }
    }
    return text;
}

vb::String literal_pattern(std::u16string_view value) {
    vb::String text;
    text.reserve(value.size());
    for (char16_t c : value) {
        switch (c) {
            case u'%':
            case u'_':
            case u'[':
                text += u'[';
                text += c;
                text += u']';
                break;
            case u'\'':
                text += u"''";
                break;
            default:
                text += c;
        }
    }
    return text;
}

vb::String all_accounts() {
    return u"SELECT loggin,pwd FROM compte";
}

vb::String access_rights_of(std::u16string_view filled_login) {
    return u"SELECT psd,ftpa,contacta FROM acceder WHERE acceder.loggin LIKE '" +
           literal_pattern(filled_login) + u"';";
}

vb::String ftp_sites_of(std::u16string_view filled_login) {
    return u"SELECT log,adress,mdp,port,nom FROM ftp WHERE loggin LIKE " + vb::String(u"'") +
           literal_pattern(filled_login) + u"';";
}

vb::String contacts_of(std::u16string_view filled_login) {
    return u"SELECT num,nom,prenom,adress,cp,ville FROM contact WHERE loggin LIKE " +
           vb::String(u"'") + literal_pattern(filled_login) + u"';";
}

vb::String new_account(std::u16string_view filled_login, std::u16string_view password) {
    return u"INSERT INTO compte (loggin, pwd) VALUES ('" + quoted(filled_login) + u"','" +
           quoted(password) + u"');";
}

vb::String delete_account(std::u16string_view filled_login) {
    return u"DELETE * FROM compte WHERE compte.loggin='" + quoted(filled_login) + u"';";
}

vb::String new_password(std::u16string_view password, std::u16string_view filled_login) {
    return u"UPDATE compte SET pwd='" + quoted(password) + u"' WHERE loggin='" +
           quoted(filled_login) + u"';";
}

}  // namespace statements
