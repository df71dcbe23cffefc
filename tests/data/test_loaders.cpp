#include <filesystem>

#include "ado/connection.h"
#include "module1_fixture.h"
#include "vb/fixed_text.h"

namespace {

using namespace Module1;

vb::String f50(const vb::String& text) {
    return vb::fit(text, 50);
}

class Loaders : public Module1Test {
protected:
    static std::string quote(std::string text) {
        for (std::size_t at = text.find('\''); at != std::string::npos;
             at = text.find('\'', at + 2)) {
            text.insert(at, 1, '\'');
        }
        return text;
    }
    void add_access(const std::string& owner, const std::string& psd, int ftpa = 1,
                    int contacta = 0) {
        db.exec("INSERT INTO acceder VALUES ('" + quote(filled(owner)) + "','" +
                quote(filled(psd)) + "'," + std::to_string(ftpa) + "," + std::to_string(contacta) +
                ");");
    }
    void add_site(const std::string& owner, const std::string& name, int port = 21) {
        db.exec("INSERT INTO ftp VALUES ('" + filled(owner) + "','user','ftp." + name +
                ".example','secret'," + std::to_string(port) + ",'" + name + "');");
    }
    void add_contact(const std::string& owner, const std::string& surname, int num = 1) {
        db.exec("INSERT INTO contact VALUES ('" + filled(owner) + "'," + std::to_string(num) +
                ",'" + surname + "','Ann','1 Main St','75001','Paris');");
    }
};

TEST_F(Loaders, PublicEntryAloneWithoutRowsLoadsNothing) {
    add_access("bob", "carol");
    charger_acces();
    EXPECT_EQ(nb_acces, 0);
    EXPECT_EQ(nb_sites, 0);
    EXPECT_EQ(nb_contacts, 0);
}

TEST_F(Loaders, AccountsAreReadInTheDatabasesOrderFilledAndCut) {
    db.exec("INSERT INTO compte VALUES ('" + filled("bob") + "','" + std::string(30, 'p') +
            "'), ('ann','x');");
    charger_comptes();
    ASSERT_EQ(nb_comptes, 2);
    EXPECT_EQ(comptes[0].loggin.text(), f50(u"bob"));
    EXPECT_EQ(comptes[0].pwd.text(), vb::String(25, u'p'));
    EXPECT_EQ(comptes[1].loggin.text(), f50(u"ann"));
    EXPECT_EQ(comptes[1].pwd.text(), vb::fit(u"x", 25));
}

TEST_F(Loaders, EmptyAccountTableLeavesNoAccount) {
    charger_comptes();
    EXPECT_EQ(nb_comptes, 0);
}

TEST_F(Loaders, AReloadRestartsTheCountAndKeepsTheStorage) {
    for (int i = 0; i < 5; ++i) {
        db.exec("INSERT INTO compte VALUES ('u" + std::to_string(i) + "','p');");
    }
    charger_comptes();
    EXPECT_EQ(nb_comptes, 5);
    db.exec("DELETE FROM compte;");
    charger_comptes();
    EXPECT_EQ(nb_comptes, 0);
    EXPECT_EQ(comptes.size(), 6u);  // a load that finds nothing leaves the storage alone
    db.exec("INSERT INTO compte VALUES ('only','p');");
    charger_comptes();
    EXPECT_EQ(nb_comptes, 1);
    EXPECT_EQ(comptes[0].loggin.text(), f50(u"only"));
    EXPECT_EQ(comptes.size(), 2u);
}

TEST_F(Loaders, AccessRowsComeInConnectedOrderEachBringingItsSitesAndContacts) {
    add_access(" Public", "guest", 0, 1);
    add_access("bob", "carol", 1, 0);
    add_access("bob", "dave", 0, 0);
    add_site("bob", "bobsite", 2121);
    add_contact("bob", "Smith", 7);
    add_site(" Public", "pubsite");
    log_on(u"bob", u"pw");

    charger_acces();

    ASSERT_EQ(nb_acces, 3);
    EXPECT_EQ(acces[0].loggin.text(), f50(u" Public"));
    EXPECT_EQ(acces[0].psd.text(), f50(u"guest"));
    EXPECT_FALSE(acces[0].ftpa);
    EXPECT_TRUE(acces[0].contacta);
    EXPECT_EQ(acces[1].loggin.text(), f50(u"bob"));
    EXPECT_EQ(acces[1].psd.text(), f50(u"carol"));
    EXPECT_TRUE(acces[1].ftpa);
    EXPECT_EQ(acces[2].psd.text(), f50(u"dave"));

    // Two acceder rows for bob: his site and contact twice, after the public entry's.
    ASSERT_EQ(nb_sites, 3);
    EXPECT_EQ(sites[0].nom.text(), vb::fit(u"pubsite", 255));
    EXPECT_EQ(sites[1].nom.text(), vb::fit(u"bobsite", 255));
    EXPECT_EQ(sites[1].port, 2121);
    EXPECT_EQ(sites[2].nom.text(), vb::fit(u"bobsite", 255));
    ASSERT_EQ(nb_contacts, 2);
    EXPECT_EQ(contacts[0].num, 7);
    EXPECT_EQ(contacts[1].nom.text(), vb::fit(u"Smith", 50));
    EXPECT_EQ(contacts[1].cp.text(), u"75001 ");
}

TEST_F(Loaders, TextLongerThanItsFieldIsCut) {
    add_access(" Public", "p");
    db.exec("INSERT INTO contact VALUES ('" + filled(" Public") +
            "',1,'n','p','a','12345678','v');");
    charger_acces();
    ASSERT_EQ(nb_contacts, 1);
    EXPECT_EQ(contacts[0].cp.text(), u"123456");
}

TEST_F(Loaders, LoginsWithWildcardsOrOtherCaseReadOnlyTheirOwnRows) {
    for (const char* owner : {"%", "a_b", "axb", "A_B", "[!a]", "b", "o'neil", "O'neil"}) {
        add_access(owner, std::string("of ") + owner);
    }
    for (const char16_t* login : {u"%", u"a_b", u"[!a]", u"o'neil"}) {
        SCOPED_TRACE(vb::to_utf8(login));
        nb_connectes = 0;
        log_on(login, u"pw");
        charger_acces();
        ASSERT_EQ(nb_acces, 1);
        EXPECT_EQ(acces[0].psd.text(), f50(u"of " + vb::String(login)));
    }
}

TEST_F(Loaders, ALoginNotFilledToFiftyCharactersFindsNoRows) {
    db.exec("INSERT INTO acceder VALUES ('bob','x',1,1);");  // stored without its fill
    log_on(u"bob", u"pw");
    charger_acces();
    EXPECT_EQ(nb_acces, 0);
}

TEST_F(Loaders, ANullInAColumnThatIsReadIsInvalidUseOfNull) {
    db.exec("INSERT INTO compte VALUES ('bob', NULL);");
    EXPECT_EQ(error_of([] { charger_comptes(); }).number(), vb::kInvalidUseOfNull);
    db.exec("INSERT INTO acceder VALUES ('" + filled(" Public") + "','x',NULL,1);");
    EXPECT_EQ(error_of([] { charger_acces(); }).number(), vb::kInvalidUseOfNull);
}

TEST_F(Loaders, APortBeyondSixteenBitsOverflows) {
    add_access(" Public", "x");
    add_site(" Public", "big", 40000);
    EXPECT_EQ(error_of([] { charger_acces(); }).number(), vb::kOverflow);
}

TEST_F(Loaders, AMissingFileIsReportedAndNeverCreated) {
    const auto missing = db.folder() / "gone" / "bdd.mdb";
    test_support::use_database(missing);
    const auto error = error_of([] { charger_acces(); });
    EXPECT_EQ(error.number(), ado::kGeneralFailure);
    EXPECT_EQ(error.description(), "Could not find file '" + missing.string() + "'.");
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(Loaders, AMissingTableIsAStatementTheDatabaseRefuses) {
    db.exec("DROP TABLE contact;");
    add_access(" Public", "x");
    EXPECT_EQ(error_of([] { charger_acces(); }).number(), ado::kStatementRefused);
}

}  // namespace
