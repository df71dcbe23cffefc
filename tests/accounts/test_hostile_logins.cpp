#include "login_fixture.h"

namespace {

// Values that a statement or a LIKE pattern could take for its own syntax.
class HostileLogins : public LoginWindow {
protected:
    HostileLogins() {
        add_account("ann", "pw");
        add_account("Ann", "pw");
        add_access("ann", "carol");
        add_access("Ann", "dave");
    }

    // The dump with the one line that holds `row` taken out.
    static std::string without(std::string rows, const std::string& row) {
        const auto at = rows.find(row);
        EXPECT_NE(at, std::string::npos) << row;
        if (at != std::string::npos) {
            rows.erase(at, rows.find('\n', at) + 1 - at);
        }
        return rows;
    }
};

TEST_F(HostileLogins, EachValueIsAnAccountOfItsOwnFromCreationToDeletion) {
    for (const char16_t* value :
         {u"'", u"''", u"'; DELETE FROM compte; --", u"x' OR '1'='1", u"%", u"_", u"[", u"]",
          u"[!a]", u"a%", u"*", u"?", u"#", u"\\", u"ann%"}) {
        const std::string text = vb::to_utf8(value);
        SCOPED_TRACE(text);
        const std::string before = db.dump();
        const std::string row = "'" + filled(text) + "'|'";

        create(value, value);
        EXPECT_EQ(log_on_line(), "New User Added");
        EXPECT_EQ(without(db.dump(), row + text + "'"), before);

        log_on(value, value);
        EXPECT_EQ(log_on_line(), "Loggued As " + filled(text));
        EXPECT_EQ(items(), (Items{" Public", text}));  // no other account's entries

        select({value});
        change(value, vb::String(value) + u"'%", vb::String(value) + u"'%");
        EXPECT_EQ(active_line(), "Password Changed");
        EXPECT_EQ(without(db.dump(), row + text + "'%'"), before);

        select({value});
        press(logguer().btn_supprimer);
        EXPECT_EQ(db.dump(), before);
        EXPECT_EQ(items(), (Items{" Public"}));
    }
}

TEST_F(HostileLogins, LoginsThatDifferInCaseKeepTheirOwnAccessEntries) {
    log_on(u"Ann", u"pw");
    EXPECT_EQ(items(), (Items{" Public", "Ann", "dave"}));
    log_on(u"ann", u"pw");
    EXPECT_EQ(items(), (Items{" Public", "Ann", "ann", "carol", "dave"}));
}

TEST_F(HostileLogins, AVeryLongValueIsRefusedOrCut) {
    const vb::String huge(10000, u'\'');
    const std::string before = db.dump();
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
