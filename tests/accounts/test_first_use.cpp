// A newcomer's first session, from an empty database to the deletion of the own account.
#include "config/configcompte_form.h"
#include "login_fixture.h"

namespace {

using FirstUse = LoginWindow;

TEST_F(FirstUse, CreateLogOnChangePasswordLogOffAndOnConfigureAndDelete) {
    create(u"dana", u"first");
    EXPECT_EQ(log_on_line(), "New User Added");

    log_on(u"dana", u"first");
    EXPECT_EQ(log_on_line(), "Loggued As " + filled("dana"));
    EXPECT_EQ(items(), (Items{" Public", "dana"}));

    select({u"dana"});
    change(u"first", u"second", u"second");
    EXPECT_EQ(active_line(), "Password Changed");

    select({u"dana"});
    press(logguer().btn_unlog);
    EXPECT_EQ(items(), (Items{" Public"}));
    log_on(u"dana", u"first");
    EXPECT_EQ(log_on_line(), "Wrong Informations");
    log_on(u"dana", u"second");
    EXPECT_EQ(items(), (Items{" Public", "dana"}));

    press(logguer().btn_cfg);
    ASSERT_TRUE(configcompte().IsLoaded());
    EXPECT_EQ(configcompte().lst_cmpt->List(0), vb::fit(u"dana", 50));
    press(logguer().btn_cfg);

    select({u"dana"});
    press(logguer().btn_supprimer);
    EXPECT_EQ(active_line(), "Account Deleted");
    EXPECT_EQ(items(), (Items{" Public"}));
    EXPECT_EQ(db.dump().find("dana"), std::string::npos);
}

}  // namespace
