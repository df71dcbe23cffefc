// Logins and passwords holding what a statement or a LIKE pattern could take for its own
// syntax: each stays a value, and an account reaches only its own rows.
#include "hostile_values.h"
#include "login_fixture.h"

namespace {

class HostileLogins : public LoginWindow {
protected:
    HostileLogins() {
        add_account("ann", "pw");
        add_account("Ann", "pw");
        add_access("ann", "carol");
        add_access("Ann", "dave");
    }

    // The rows without the one whole row `row`, which may itself hold line breaks.
    static std::string without(std::string rows, const std::string& row) {
        return rows.erase(rows.find("\n" + row + "\n") + 1, row.size() + 1);
    }
};

TEST_F(HostileLogins, EachValueIsAnAccountOfItsOwnFromCreationToDeletion) {
    for (const std::u16string_view hostile : test_support::kHostileValues) {
        const vb::String value(hostile);
        const vb::String kept = vb::well_formed(value);  // what the login box reads
        const std::string text = vb::to_utf8(kept);
        SCOPED_TRACE(text);
        const std::string rows = db.dump();
        const std::string row = "'" + vb::to_utf8(vb::fit(kept, 50)) + "'|'" + text;

        create(value, value, value);
        EXPECT_EQ(without(db.dump(), row + "'"), rows);
        log_on(value, value);
        EXPECT_EQ(log_on_line(), "Loggued As " + vb::to_utf8(vb::fit(kept, 50)));
        EXPECT_EQ(items(), (Items{" Public", text}));  // no other account's entries

        select({kept});
        change(value, value + u"'%", value + u"'%");
        EXPECT_EQ(without(db.dump(), row + "'%'"), rows);
        select({kept});
        press(logguer().btn_supprimer);
        EXPECT_EQ(db.dump(), rows);
        EXPECT_EQ(items(), (Items{" Public"}));
    }
}

// Each sees its own entries, sites and contacts: neither case nor a wildcard reaches others'.
TEST_F(HostileLogins, LoginsThatDifferInCaseOrHoldAWildcardReachOnlyTheirOwnRows) {
    add_account("a%", "pw");
    add_access("a%", "eve");
    for (const std::string owner : {"ann", "Ann", "a%", "a_n", "ANN"}) {
        db.exec("INSERT INTO ftp VALUES ('" + filled(owner) + "','u','" + owner + "','m',21,'s');");
        db.exec("INSERT INTO contact VALUES ('" + filled(owner) + "',1,'" + owner +
                "','p','a','1','v');");
    }
    for (const std::string login : {"Ann", "a%"}) {
        log_on(vb::from_utf8(login), u"pw");
        EXPECT_EQ(items(), (Items{" Public", login, login == "Ann" ? "dave" : "eve"}));
        ASSERT_EQ(Module1::nb_sites, 1);
        ASSERT_EQ(Module1::nb_contacts, 1);
        EXPECT_EQ(vb::to_utf8(Module1::sites[0].adress.text()), filled(login, 255));
        EXPECT_EQ(vb::to_utf8(Module1::contacts[0].nom.text()), filled(login));
        select({vb::from_utf8(login)});
        press(logguer().btn_unlog);
    }
}

}  // namespace
