// The rows written from the command line, read back the way the program reads them, and
// the lines refused.
#include <gtest/gtest.h>

#include "data/module1.h"
#include "hostile_values.h"
#include "platform/vb/fixed_text.h"
#include "scratch_database.h"
#include "tool_run.h"

namespace {

class Rows : public ::testing::Test {
protected:
    void SetUp() override {
        lines({{"account", "add", "ann", "pw"}, {"account", "add", "bob", "pw"}});
    }
    ToolRun run(QStringList arguments) const {
        return tool(QStringList{"--database", argument(scratch.path())} + arguments);
    }
    void lines(std::initializer_list<QStringList> lines) const {
        for (const QStringList& line : lines) {
            ASSERT_EQ(run(line).status, 0) << line.join(' ').toStdString();
        }
    }

    test_support::ScratchDatabase scratch;
};

// Each login reaches the database as typed and filled in the characters the program counts,
// and its entry is found for it alone.
TEST_F(Rows, LoginsAreStoredAsTypedAndReachOnlyTheirOwnRows) {
    const std::string accented = QString(50, QChar(0xE9)).toStdString();
    lines({{"account", "add", " lead", "pw"},
           {"account", "add", accented.c_str(), "1234567890123456789012345"}});
    EXPECT_EQ(run({"account", "list"}).out, "ann\nbob\n' lead'\n" + accented + "\n");
    // The public entry, then the accounts as the program loads them, "ann" aside.
    std::vector<Compte> owners{{u" Public", u" "},
                               {u"bob", u"pw"},
                               {u" lead", u"pw"},
                               {vb::from_utf8(accented), u"1234567890123456789012345"}};
    for (const std::u16string_view hostile : test_support::kHostileValues) {
        const std::string typed = vb::to_utf8(hostile);
        if (hostile.find(u'\0') != hostile.npos || vb::from_utf8(typed) != hostile) {
            continue;  // a command line carries neither a NUL nor half a pair
        }
        lines({{"account", "add", typed.c_str(), "pw"}, {"grant", typed.c_str(), "ann"}});
        owners.push_back({hostile, u"pw"});
    }
    Module1::charger_comptes();
    ASSERT_EQ(Module1::nb_comptes, static_cast<int>(owners.size()));
    for (std::size_t i = 1; i < owners.size(); ++i) {
        EXPECT_EQ(Module1::comptes[static_cast<int>(i)].loggin, owners[i].loggin);
        EXPECT_EQ(Module1::comptes[static_cast<int>(i)].pwd, owners[i].pwd);
    }
    log_on(owners);
    EXPECT_EQ(Module1::nb_acces, static_cast<int>(owners.size()) - 4);
}

// What is added reaches the logged-on account; removing an account then takes its rows and
// the entries naming it.
TEST_F(Rows, EntriesSitesAndContactsReachTheLoggedOnAccountAndLeaveWithIt) {
    lines({{"grant", "ann", "bob", "--ftp"},
           {"grant", "ann", "bob", "--contacts"},  // the same entry, anew
           {"grant", "bob", "ann"},
           {"site", "add", "ann", "--name", "tab\there ", "--address", "f.example", "--login",
            "a'n", "--port", "-32768"},
           {"contact", "add", "ann", "--num", "32767", "--last-name", "Lee", "--zip", "75011"},
           {"site", "add", " Public", "--name", "Mirror", "--address", "a\x01"}});
    log_on({{u" Public", u" "}, {u"ann", u"pw"}});
    ASSERT_EQ(Module1::nb_acces, 1);
    EXPECT_EQ(Module1::acces[0].psd, vb::FixedText<50>(u"bob"));
    EXPECT_TRUE(!Module1::acces[0].ftpa && Module1::acces[0].contacta);
    ASSERT_EQ(Module1::nb_sites, 1);
    EXPECT_EQ(Module1::sites[0].port, -32768);
    ASSERT_EQ(Module1::nb_contacts, 1);
    EXPECT_EQ(Module1::contacts[0].num, 32767);
    EXPECT_EQ(Module1::contacts[0].cp, vb::FixedText<6>(u"75011"));
    EXPECT_EQ(run({"site", "list"}).out,
              "ann\t'tab\\there '\tf.example\t-32768\ta'n\n' Public'\tMirror\t'a\\x01'\t21\t\n");

    lines({{"account", "remove", "ann"}, {"site", "remove", " Public", "Mirror"}});
    EXPECT_EQ(scratch.dump(), "[compte]\n'" + test_support::filled("bob") +
                                  "'|'pw'\n[acceder]\n[ftp]\n[contact]\n");
}

// Each refusal names what is wrong and leaves the file as it was.
TEST_F(Rows, RefusalsLeaveTheFileUntouched) {
    lines({{"contact", "add", "ann", "--num", "1", "--last-name", "n"}});
    const QString x51(51, 'x');
    const struct {
        QStringList line;
        int status;
        const char* message;
    } cases[] = {
        {{"account", "add", "", "pw"}, 1, "the login is empty"},
        {{"account", "add", x51, "pw"}, 1, "holds 51 characters"},
        {{"account", "add", "cy", "12345678901234567890123456"}, 1, "the password holds 26"},
        {{"account", "add", "cy", ""}, 1, "the password is empty"},
        {{"account", "add", "ann   ", "pw"}, 1, "already used"},
        {{"account", "remove", "cy"}, 1, "cy is no account"},
        {{"grant", "ghost", "ann"}, 1, "ghost is no account (nor the public entry"},
        {{"grant", "ann", " Public"}, 1, "' Public' is no account"},
        {{"revoke", "ann", "bob"}, 1, "ann has no entry for bob"},
        {{"site", "add", "ann", "--name", "n", "--address", "a", "--port", "32768"}, 2, "32768"},
        {{"site", "add", "ann", "--name", "n", "--address", "a", "--login", x51}, 1, "holds 51"},
        {{"site", "remove", "ann", "n"}, 1, "ann has no site n"},
        {{"contact", "add", "ann", "--num", "1", "--last-name", "m"}, 1, "already has"},
        {{"contact", "add", "ann", "--num", "2", "--last-name", "m", "--zip", "1234567"},
         1,
         "holds 7"},
    };
    const std::string before = bytes_of(scratch.path());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.join(' ').toStdString());
        const ToolRun refused = run(c.line);
        EXPECT_EQ(refused.status, c.status);
        EXPECT_NE(refused.error.find(c.message), std::string::npos) << refused.error;
        EXPECT_EQ(bytes_of(scratch.path()), before);
    }
}

}  // namespace
