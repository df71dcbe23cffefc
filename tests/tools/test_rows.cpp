// The rows written from the command line, read back the way the program reads them.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include "data/module1.h"
#include "hostile_values.h"
#include "scratch_database.h"
#include "tool_run.h"
#include "vb/fixed_text.h"

namespace {

class Rows : public ::testing::Test {
protected:
    Rows() {
        Module1::nb_comptes = Module1::nb_acces = Module1::nb_sites = Module1::nb_contacts = 0;
        Module1::nb_connectes = 0;
    }

    ToolRun run(QStringList arguments) const {
        return tool(QStringList{"--database", argument(scratch.path())} + arguments);
    }
    void accounts(std::initializer_list<const char*> logins) const {
        for (const char* login : logins) {
            ASSERT_EQ(run({"account", "add", login, "pw"}).status, 0) << login;
        }
    }
    // The public entry and `login` logged on, and their rows loaded.
    static void log_on(const vb::String& login) {
        Module1::connectes.redim_preserve(2);
        Module1::connectes[0] = Compte{u" Public", u" "};
        Module1::connectes[1] = Compte{login, u"pw"};
        Module1::nb_connectes = 2;
        Module1::charger_acces();
    }

    test_support::ScratchDatabase scratch;
};

TEST_F(Rows, LoginsAreFilledInTheCharactersTheProgramCounts) {
    std::string accented;
    for (int i = 0; i < 50; ++i) {
        accented += "é";
    }
    accounts({"zoé", " lead", accented.c_str()});
    Module1::charger_comptes();
    ASSERT_EQ(Module1::nb_comptes, 3);
    EXPECT_EQ(Module1::comptes[0].loggin, vb::FixedText<50>(u"zoé"));
    EXPECT_EQ(Module1::comptes[1].loggin, vb::FixedText<50>(u" lead"));
    EXPECT_EQ(Module1::comptes[2].loggin.text(), vb::from_utf8(accented));
    EXPECT_EQ(Module1::comptes[0].pwd, vb::FixedText<25>(u"pw"));
    EXPECT_EQ(run({"account", "list"}).out, "zoé\n' lead'\n" + accented + "\n");
}

TEST_F(Rows, EntriesSitesAndContactsReachTheLoggedOnAccount) {
    accounts({"ann", "bob"});
    ASSERT_EQ(run({"grant", "ann", "bob", "--ftp"}).status, 0);
    ASSERT_EQ(run({"grant", "ann", "bob", "--contacts"}).status, 0);  // the same entry, anew
    ASSERT_EQ(run({"site", "add", "ann", "--name", "Files", "--address", "f.example", "--login",
                   "a'n", "--port", "-32768"})
                  .status,
              0);
    ASSERT_EQ(
        run({"contact", "add", "ann", "--num", "32767", "--last-name", "Lee", "--zip", "75011"})
            .status,
        0);
    ASSERT_EQ(run({"site", "add", " Public", "--name", "Mirror", "--address", "m.example"}).status,
              0);
    log_on(u"ann");
    ASSERT_EQ(Module1::nb_acces, 1);
    EXPECT_EQ(Module1::acces[0].loggin, vb::FixedText<50>(u"ann"));
    EXPECT_EQ(Module1::acces[0].psd, vb::FixedText<50>(u"bob"));
    EXPECT_FALSE(Module1::acces[0].ftpa);
    EXPECT_TRUE(Module1::acces[0].contacta);
    ASSERT_EQ(Module1::nb_sites, 1);
    EXPECT_EQ(Module1::sites[0].log, vb::FixedText<50>(u"a'n"));
    EXPECT_EQ(Module1::sites[0].port, -32768);
    ASSERT_EQ(Module1::nb_contacts, 1);
    EXPECT_EQ(Module1::contacts[0].num, 32767);
    EXPECT_EQ(Module1::contacts[0].cp, vb::FixedText<6>(u"75011"));
    EXPECT_EQ(run({"site", "list"}).out,
              "ann\tFiles\tf.example\t-32768\ta'n\n' Public'\tMirror\tm.example\t21\t\n");
}

// Each login reaches the database as typed and filled, and its entry is found for it alone.
TEST_F(Rows, HostileLoginsAreStoredAsTypedAndReachOnlyTheirOwnRows) {
    accounts({"ann"});
    std::vector<Compte> owners{{u" Public", u" "}};
    for (const std::u16string_view hostile : test_support::kHostileValues) {
        const std::string typed = vb::to_utf8(hostile);
        if (hostile.find(u'\0') != hostile.npos || vb::from_utf8(typed) != hostile) {
            continue;  // a command line carries neither a NUL nor half a pair
        }
        SCOPED_TRACE(typed);
        ASSERT_EQ(run({"account", "add", QString::fromStdString(typed), "pw"}).status, 0);
        ASSERT_EQ(run({"grant", QString::fromStdString(typed), "ann"}).status, 0);
        owners.push_back({hostile, u"pw"});
    }
    Module1::charger_comptes();
    ASSERT_EQ(Module1::nb_comptes, static_cast<int>(owners.size()));
    for (std::size_t i = 1; i < owners.size(); ++i) {
        EXPECT_EQ(Module1::comptes[static_cast<int>(i)].loggin, owners[i].loggin);
    }
    Module1::connectes.redim_preserve(static_cast<int>(owners.size()));
    for (std::size_t i = 0; i < owners.size(); ++i) {
        Module1::connectes[static_cast<int>(i)] = owners[i];
    }
    Module1::nb_connectes = static_cast<int>(owners.size());
    Module1::charger_acces();
    EXPECT_EQ(Module1::nb_acces, static_cast<int>(owners.size()) - 1);
}

TEST_F(Rows, RemovingAnAccountTakesItsRowsAndTheEntriesNamingIt) {
    accounts({"ann", "bob"});
    for (QStringList line : {QStringList{"grant", "ann", "bob"},
                             {"grant", "bob", "ann"},
                             {"site", "add", "ann", "--name", "n", "--address", "a"},
                             {"contact", "add", "ann", "--num", "1", "--last-name", "n"}}) {
        ASSERT_EQ(run(line).status, 0) << line.join(' ').toStdString();
    }
    ASSERT_EQ(run({"account", "remove", "ann"}).status, 0);
    EXPECT_EQ(scratch.dump(), "[compte]\n'" + test_support::filled("bob") +
                                  "'|'pw'\n[acceder]\n[ftp]\n[contact]\n");
}

TEST_F(Rows, ListsShowWhatHidesInAValue) {
    accounts({"ann"});
    ASSERT_EQ(run({"site", "add", "ann", "--name", "tab\there ", "--address", "a\x01"}).status, 0);
    EXPECT_EQ(run({"site", "list", "ann"}).out, "ann\t'tab\\there '\t'a\\x01'\t21\t\n");
    EXPECT_EQ(run({"site", "list", "bob"}).out, "");
}

// Each refusal names what is wrong and leaves the file as it was.
TEST_F(Rows, RefusalsLeaveTheFileUntouched) {
    accounts({"ann", "bob"});
    ASSERT_EQ(run({"contact", "add", "ann", "--num", "1", "--last-name", "n"}).status, 0);
    const std::string fifty_one(51, 'x');
    const struct {
        QStringList line;
        int status;
        const char* message;
    } cases[] = {
        {{"account", "add", "", "pw"}, 1, "the login is empty"},
        {{"account", "add", fifty_one.c_str(), "pw"}, 1, "holds 51 characters"},
        {{"account", "add", "cy", "12345678901234567890123456"}, 1, "the password holds 26"},
        {{"account", "add", "cy", ""}, 1, "the password is empty"},
        {{"account", "add", "ann   ", "pw"}, 1, "already used"},
        {{"account", "add", "cy", "pw", "extra"}, 2, "extra"},
        {{"account", "remove", "cy"}, 1, "cy is no account"},
        {{"grant", "ghost", "ann"}, 1, "ghost is no account (nor the public entry"},
        {{"grant", "ann", " Public"}, 1, "' Public' is no account"},
        {{"revoke", "ann", "bob"}, 1, "ann has no entry for bob"},
        {{"site", "add", "ann", "--name", "n", "--address", "a", "--port", "32768"}, 2, "32768"},
        {{"site", "add", "ann", "--name", "n", "--address", "a", "--port", "21x"}, 2, "21x"},
        {{"site", "add", "ann", "--name", "n"}, 2, "--address is required"},
        {{"site", "add", "ann", "--name", "n", "--address", "a", "--login", fifty_one.c_str()},
         1,
         "the site's login holds 51"},
        {{"site", "remove", "ann", "n"}, 1, "ann has no site n"},
        {{"contact", "add", "ann", "--num", "1", "--last-name", "m"}, 1, "already has"},
        {{"contact", "add", "ann", "--num", "2", "--last-name", "m", "--zip", "1234567"},
         1,
         "the postal code holds 7"},
        {{"contact", "remove", "ann", "one"}, 2, "one"},
        {{"account"}, 2, "A subcommand is required"},
        {{"frobnicate"}, 2, "frobnicate"},
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

TEST_F(Rows, AFileThatCannotBeUsedIsNeverCreatedNorChanged) {
    const auto missing = scratch.folder() / "missing.mdb";
    const ToolRun absent = tool({"-d", argument(missing), "account", "add", "ann", "pw"});
    EXPECT_EQ(absent.status, 2);
    EXPECT_FALSE(std::filesystem::exists(missing));

    // Another program holding the file for writing is waited for, then reported.
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open(scratch.path().c_str(), &holder), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
    const ToolRun locked = run({"account", "add", "ann", "pw"});
    sqlite3_close(holder);
    EXPECT_EQ(locked.status, 2);
    EXPECT_NE(locked.error.find("in use"), std::string::npos) << locked.error;
    EXPECT_EQ(run({"account", "list"}).out, "");

    // Root writes a read-only file all the same, so the tool then runs as nobody.
    std::filesystem::permissions(scratch.folder(), std::filesystem::perms::all);
    std::filesystem::permissions(scratch.path(), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::group_read |
                                                     std::filesystem::perms::others_read);
    const std::string before = bytes_of(scratch.path());
    QStringList read_only_line{"-d", argument(scratch.path()), "account", "add", "ann", "pw"};
    const ToolRun read_only =
        ::geteuid() != 0 ? tool(read_only_line)
                         : run_program("setpriv", QStringList{"--reuid=65534", "--regid=65534",
                                                              "--clear-groups", TOOL} +
                                                      read_only_line);
    EXPECT_EQ(read_only.status, 2);
    EXPECT_NE(read_only.error.find("updateable"), std::string::npos) << read_only.error;
    EXPECT_EQ(bytes_of(scratch.path()), before);
}

}  // namespace
