#include "hostile_values.h"
#include "login_fixture.h"

namespace {

// A login or password as the tables store it: filled with blanks to `width` UTF-16 units.
std::string stored(const vb::String& value, std::size_t width = 50) {
    return vb::to_utf8(vb::fit(value, width));
}

// Values that a statement or a LIKE pattern could take for its own syntax.
class HostileLogins : public LoginWindow {
protected:
    HostileLogins() {
        add_account("ann", "pw");
        add_account("Ann", "pw");
        add_access("ann", "carol");
        add_access("Ann", "dave");
    }

    // The dump without the one whole row `row`, which may itself hold line breaks.
    static std::string without(std::string rows, const std::string& row) {
        const auto at = rows.find("\n" + row + "\n");
        EXPECT_NE(at, std::string::npos) << row;
        if (at != std::string::npos) {
            rows.erase(at + 1, row.size() + 1);
        }
        return rows;
    }
};

TEST_F(HostileLogins, EachValueIsAnAccountOfItsOwnFromCreationToDeletion) {
    for (const std::u16string_view hostile : test_support::kHostileValues) {
        const vb::String value(hostile);
        const vb::String kept = vb::well_formed(value);  // what the login box reads
        const std::string text = vb::to_utf8(kept);
        SCOPED_TRACE(text);
        const std::string before = db.dump();
        const std::string row = "'" + stored(kept) + "'|'";

        create(value, value);
        EXPECT_EQ(log_on_line(), "New User Added");
        EXPECT_EQ(without(db.dump(), row + text + "'"), before);

        log_on(value, value);
        EXPECT_EQ(log_on_line(), "Loggued As " + stored(kept));
        EXPECT_EQ(items(), (Items{" Public", text}));  // no other account's entries

        select({kept});
        change(value, value + u"'%", value + u"'%");
        EXPECT_EQ(active_line(), "Password Changed");
        EXPECT_EQ(without(db.dump(), row + text + "'%'"), before);

        select({kept});
        press(logguer().btn_supprimer);
        EXPECT_EQ(db.dump(), before);
        EXPECT_EQ(items(), (Items{" Public"}));
    }
}

TEST_F(HostileLogins, LoginsThatDifferInCaseOrHoldAWildcardKeepTheirOwnRows) {
    add_account("a%", "pw");
    add_access("a%", "eve");
    for (const std::string owner : {"ann", "Ann", "a%", "a_n", "ANN"}) {
        db.exec("INSERT INTO ftp VALUES ('" + filled(owner) + "','u','" + owner + "','m',21,'s');");
        db.exec("INSERT INTO contact VALUES ('" + filled(owner) + "',1,'" + owner +
                "','p','a','1','v');");
    }
    const auto own_rows = [](const std::string& owner) {
        ASSERT_EQ(Module1::nb_sites, 1);
        ASSERT_EQ(Module1::nb_contacts, 1);
        EXPECT_EQ(vb::to_utf8(Module1::sites[0].adress.text()), test_support::filled(owner, 255));
        EXPECT_EQ(vb::to_utf8(Module1::contacts[0].nom.text()), filled(owner));
    };
    log_on(u"Ann", u"pw");
    EXPECT_EQ(items(), (Items{" Public", "Ann", "dave"}));
    own_rows("Ann");

    select({u"Ann"});
    press(logguer().btn_unlog);
    log_on(u"a%", u"pw");
    EXPECT_EQ(items(), (Items{" Public", "a%", "eve"}));
    own_rows("a%");

    log_on(u"ann", u"pw");
    EXPECT_EQ(items(), (Items{" Public", "a%", "ann", "carol", "eve"}));
}

TEST_F(HostileLogins, AVeryLongValueIsRefusedOrCut) {
    const vb::String huge(10000, u'\'');
    const std::string before = db.dump();
    create(vb::String(51, u'%'), u"pw");
    EXPECT_EQ(log_on_line(), "Too Many Character");
    create(u"ann2", vb::String(26, u'_'));
    EXPECT_EQ(log_on_line(), "Too Many Character");
    logguer().txt_psd->setText(huge);
    logguer().txt_pwd->setText(u"pw");
    press(logguer().btn_NU);
    EXPECT_EQ(log_on_line(), "Too Many Character");
    logguer().txt_psd->setText(huge);
    logguer().txt_pwd->setText(huge);
    press(logguer().btn_logguer);
    EXPECT_EQ(log_on_line(), "Wrong Informations");
    EXPECT_EQ(db.dump(), before);
}

}  // namespace
