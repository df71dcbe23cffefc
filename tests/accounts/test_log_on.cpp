#include "login_fixture.h"
#include "tool_run.h"

#include <QLineEdit>

namespace {

class LogOn : public LoginWindow {
protected:
    LogOn() {
        add_account("ann", "pw");
        add_account("Ann", "other");
        add_account("", "");  // a blank login with a blank password
        add_account(std::string(50, 'x'), std::string(25, 'p'));
    }
};

TEST_F(LogOn, TheWindowOpensReadyInItsMessageFontAndHidesThePassword) {
    auto& w = logguer();
    EXPECT_EQ(log_on_line(), "Ready !!!");
    EXPECT_EQ(active_line(), "Ready !!!");
    for (const auto* line : {w.lbl_LOA, w.lbl_AA}) {
        EXPECT_EQ(line->font().family(), "Comic Sans MS");
        EXPECT_TRUE(line->font().bold());
        EXPECT_DOUBLE_EQ(line->font().pointSizeF(), 9.75);
    }
    type(w.txt_pwd, u"pw");
    EXPECT_EQ(static_cast<QLineEdit*>(w.txt_pwd->editor())->displayText(), "**");
}

TEST_F(LogOn, ASuccessReportsTheFilledLoginListsTheAccountAndEmptiesTheBoxes) {
    log_on(u"ann", u"pw");
    EXPECT_EQ(log_on_line(), "Loggued As " + filled("ann"));
    EXPECT_EQ(items(), (Items{" Public", "ann"}));
    EXPECT_EQ(logguer().txt_psd->Text(), u"");
    EXPECT_EQ(logguer().txt_pwd->Text(), u"");
    EXPECT_EQ(Module1::nb_connectes, 2);
}

TEST_F(LogOn, EachRefusalHasItsMessageAndTheLoggedOnLoginIsCheckedFirst) {
    log_on(u"ann", u"pw");
    const struct {
        const char16_t* login;
        const char16_t* password;
        const char* message;
    } cases[] = {
        {u"ann", u"wrong", "Already Loggued !!"},
        {u"ann   ", u"pw", "Already Loggued !!"},  // trailing blanks: the same login
        {u" Public", u" ", "Already Loggued !!"},
        {u"Ann", u"pw", "Wrong Informations"},   // case: another login
        {u" ann", u"pw", "Wrong Informations"},  // leading blank: another login
        {u"Ann", u"Other", "Wrong Informations"},
        {u"nobody", u"", "Wrong Informations"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(vb::to_utf8(c.login));
        log_on(c.login, c.password);
        EXPECT_EQ(log_on_line(), c.message);
        EXPECT_EQ(logguer().txt_psd->Text(), u"");
    }
    EXPECT_EQ(items(), (Items{" Public", "ann"}));
}

TEST_F(LogOn, ALoggedOnLoginIsRefusedWithoutReadingTheAccounts) {
    log_on(u"ann", u"pw");
    db.exec("DROP TABLE compte;");
    log_on(u"ann", u"pw");
    EXPECT_EQ(log_on_line(), "Already Loggued !!");
}

TEST_F(LogOn, LongTextsAreCutToTheirFieldsBeforeTheyAreCompared) {
    log_on(vb::String(50, u'x') + u"yz", vb::String(25, u'p') + u"qq");
    EXPECT_EQ(log_on_line(), "Loggued As " + std::string(50, 'x'));
}

TEST_F(LogOn, EmptyBoxesNameTheBlankAccount) {
    log_on(u"", u"");
    EXPECT_EQ(log_on_line(), "Loggued As " + std::string(50, ' '));
}

TEST_F(LogOn, TheListHoldsEveryLoggedOnAccountAndAccessEntrySortedWithDuplicates) {
    add_account("bob", "b");
    add_access(" Public", "zed");
    add_access("ann", "bob");
    add_access("ann", "Carol");
    log_on(u"bob", u"b");
    EXPECT_EQ(items(), (Items{" Public", "bob", "zed"}));
    log_on(u"ann", u"pw");
    // bob stands twice: logged on, and an access entry of ann.
    EXPECT_EQ(items(), (Items{" Public", "ann", "bob", "bob", "Carol", "zed"}));
}

// Rows written by the database tool are found as the program's own.
TEST_F(LogOn, AnEntryGrantedFromTheCommandLineIsListedAfterLogOn) {
    const QString database = argument(db.path());
    for (QStringList line : {QStringList{"account", "add", "zoé", "pw"},
                             {"account", "add", "bob", "b"},
                             {"grant", "zoé", "bob", "--ftp"}}) {
        ASSERT_EQ(tool(QStringList{"-d", database} + line).status, 0);
    }
    log_on(u"zoé", u"pw");
    EXPECT_EQ(items(), (Items{" Public", "bob", "zoé"}));
}

class LogOff : public LoginWindow {
protected:
    LogOff() {
        add_account("ann", "pw");
        add_account("bob", "b");
        add_access(" Public", "ann");
        add_access("ann", "carol");
        log_on(u"ann", u"pw");
    }
};

TEST_F(LogOff, NothingSelectedChangesNothing) {
    press(logguer().btn_unlog);
    EXPECT_EQ(items(), (Items{" Public", "ann", "ann", "carol"}));
    EXPECT_EQ(Module1::nb_connectes, 2);
}

TEST_F(LogOff, ThePublicEntryGoesWithItsAccessEntriesUntilTheProgramRestarts) {
    select({u" Public"});
    press(logguer().btn_unlog);
    EXPECT_EQ(items(), (Items{"ann", "carol"}));
    log_on(u"bob", u"b");
    EXPECT_EQ(items(), (Items{"ann", "bob", "carol"}));
}

TEST_F(LogOff, AnAccessEntryAloneGoesUntilTheNextReload) {
    select({u"carol"});
    press(logguer().btn_unlog);
    EXPECT_EQ(items(), (Items{" Public", "ann", "ann"}));
    EXPECT_EQ(Module1::nb_connectes, 2);
    log_on(u"bob", u"b");
    EXPECT_EQ(items(), (Items{" Public", "ann", "ann", "bob", "carol"}));
}

TEST_F(LogOff, AMixedSelectionAlsoTakesTheFirstAccessEntryNamingTheAccountLoggedOff) {
    select({u"ann", u"carol"});
    press(logguer().btn_unlog);
    // ann is logged off, then the public entry's access entry "ann" goes as well.
    EXPECT_EQ(items(), (Items{" Public"}));
    EXPECT_EQ(Module1::nb_connectes, 1);
    EXPECT_EQ(Module1::nb_acces, 0);
    log_on(u"bob", u"b");
    EXPECT_EQ(items(), (Items{" Public", "ann", "bob"}));
}

TEST_F(LogOff, TheLoggedOffAccountCanLogOnAgainAndNothingIsWritten) {
    const std::string before = db.dump();
    select({u"ann"});
    press(logguer().btn_unlog);
    EXPECT_EQ(db.dump(), before);
    log_on(u"ann", u"pw");
    EXPECT_EQ(log_on_line(), "Loggued As " + filled("ann"));
}

}  // namespace
