// guichet-db: creates the database that Guichet reads, checks and repairs it, and writes the
// rows the program only reads (accounts, access entries, FTP sites, contacts).
#include <CLI/CLI.hpp>

#include <cstdio>
#include <optional>
#include <string>

#include "check.h"
#include "create.h"
#include "data/database_path.h"
#include "fix.h"
#include "platform/vb/text.h"
#include "rows.h"
#include "stop.h"

namespace {

// Where the parser puts what it reads; one set for all commands, since only one runs.
struct Arguments {
    std::string database = vb::to_utf8(data::database_path());
    std::string path;
    std::string owner;
    std::string login;
    std::string password;
    bool example = false;
    bool strict = false;
    bool ftp = false;
    bool contacts = false;
    tool::SiteFields site;
    tool::ContactFields contact;
    int status = tool::kDone;
};

// The subcommands that act on a file named on their line.
void add_file_commands(CLI::App& app, Arguments& a) {
    auto* create = app.add_subcommand("create", "make a new database, empty or with examples");
    create->add_flag("--example", a.example, "add a few accounts, rights, sites and contacts");
    create->add_option("PATH", a.path, "the file to make; an existing one is left alone")
        ->required();
    create->callback([&] { a.status = tool::create(a.path, a.example); });

    const std::pair<const char*, const char*> on_a_file[] = {
        {"upgrade", "add the index that keeps one row per login to an older database"},
        {"check",
         "list what would stop the program or hide a row from it, and who else may reach the "
         "file; writes nothing"},
        {"fix",
         "give the shared database its owner and modes; fill or cut logins to 50 characters "
         "after a backup; list what is left"},
    };
    for (const auto& [name, description] : on_a_file) {
        auto* command = app.add_subcommand(name, description);
        command->add_option("PATH", a.path, "the database file")->required();
        if (command->get_name() == "check") {
            command->add_flag("--strict", a.strict, "warnings too make the exit status 1");
        }
        command->callback([&a, command] {
            const std::string name = command->get_name();
            a.status = name == "upgrade" ? tool::upgrade(a.path)
                       : name == "check" ? tool::check(a.path, a.strict)
                                         : tool::fix(a.path);
        });
    }
}

void add_account_commands(CLI::App& app, Arguments& a) {
    auto* account = app.add_subcommand("account", "add, remove or list accounts");
    account->require_subcommand(1);
    auto* add = account->add_subcommand("add", "a new account");
    add->add_option("LOGIN", a.login, "at most 50 characters")->required();
    add->add_option("PASSWORD", a.password, "at most 25 characters")->required();
    add->callback([&] { a.status = tool::account_add(a.database, a.login, a.password); });
    auto* remove =
        account->add_subcommand("remove", "an account, its rows and the entries naming it");
    remove->add_option("LOGIN", a.login)->required();
    remove->callback([&] { a.status = tool::account_remove(a.database, a.login); });
    account->add_subcommand("list", "the logins, without their fill")->callback([&] {
        a.status = tool::account_list(a.database);
    });

    auto* grant = app.add_subcommand("grant", "let OWNER's list show the account LOGIN");
    grant->add_option("OWNER", a.owner, "an account, or ' Public'")->required();
    grant->add_option("LOGIN", a.login, "the account reached")->required();
    grant->add_flag("--ftp", a.ftp, "the entry's FTP flag");
    grant->add_flag("--contacts", a.contacts, "the entry's address-book flag");
    grant->callback(
        [&] { a.status = tool::grant(a.database, a.owner, a.login, a.ftp, a.contacts); });
    auto* revoke = app.add_subcommand("revoke", "remove OWNER's entry for LOGIN");
    revoke->add_option("OWNER", a.owner)->required();
    revoke->add_option("LOGIN", a.login)->required();
    revoke->callback([&] { a.status = tool::revoke(a.database, a.owner, a.login); });
}

CLI::Option* add_number(CLI::App& command, const std::string& name, int& value,
                        const std::string& description) {
    return command.add_option(name, value, description)->check(CLI::Range(-32768, 32767));
}

void add_site_commands(CLI::App& app, Arguments& a) {
    auto* sites = app.add_subcommand("site", "add, remove or list FTP sites");
    sites->require_subcommand(1);
    auto* add = sites->add_subcommand("add", "a site for OWNER");
    add->add_option("OWNER", a.owner, "an account, or ' Public'")->required();
    add->add_option("--name", a.site.name, "at most 255 characters")->required();
    add->add_option("--address", a.site.address, "at most 255 characters")->required();
    add->add_option("--login", a.site.login, "the site's login, at most 50 characters");
    add->add_option("--password", a.site.password, "the site's password, at most 50 characters");
    add_number(*add, "--port", a.site.port, "default 21")->capture_default_str();
    add->callback([&] { a.status = tool::site_add(a.database, a.owner, a.site); });
    auto* remove = sites->add_subcommand("remove", "OWNER's sites of that name");
    remove->add_option("OWNER", a.owner)->required();
    remove->add_option("NAME", a.site.name)->required();
    remove->callback([&] { a.status = tool::site_remove(a.database, a.owner, a.site.name); });
    auto* list = sites->add_subcommand("list", "the sites of OWNER, or of everyone");
    auto* of = list->add_option("OWNER", a.owner);
    list->callback([&, of] {
        a.status =
            tool::site_list(a.database, of->count() > 0 ? std::optional(a.owner) : std::nullopt);
    });
}

void add_contact_commands(CLI::App& app, Arguments& a) {
    auto* contacts = app.add_subcommand("contact", "add, remove or list contacts");
    contacts->require_subcommand(1);
    auto* add = contacts->add_subcommand("add", "a contact for OWNER");
    add->add_option("OWNER", a.owner, "an account, or ' Public'")->required();
    add_number(*add, "--num", a.contact.num, "its number among OWNER's")->required();
    add->add_option("--last-name", a.contact.last_name, "at most 50 characters")->required();
    add->add_option("--first-name", a.contact.first_name, "at most 50 characters");
    add->add_option("--address", a.contact.address, "at most 255 characters");
    add->add_option("--zip", a.contact.zip, "the postal code, at most 6 characters");
    add->add_option("--town", a.contact.town, "at most 255 characters");
    add->callback([&] { a.status = tool::contact_add(a.database, a.owner, a.contact); });
    auto* remove = contacts->add_subcommand("remove", "OWNER's contact of that number");
    remove->add_option("OWNER", a.owner)->required();
    add_number(*remove, "NUM", a.contact.num, "")->required();
    remove->callback([&] { a.status = tool::contact_remove(a.database, a.owner, a.contact.num); });
    auto* list = contacts->add_subcommand("list", "the contacts of OWNER, or of everyone");
    auto* of = list->add_option("OWNER", a.owner);
    list->callback([&, of] {
        a.status =
            tool::contact_list(a.database, of->count() > 0 ? std::optional(a.owner) : std::nullopt);
    });
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Creates, checks and repairs the database that Guichet reads, and writes the "
        "rows it only reads.",
        "guichet-db"};
    app.fallthrough();
    // Not required through the parser, which would then say so for a misspelt command too.
    app.require_subcommand(0, 1);
    app.footer(
        "Exit status: 0 done, 1 refused or problems found, 2 a wrong command line or a file "
        "that cannot be used.\n");
    Arguments a;
    app.add_option("-d,--database", a.database,
                   "the database of account, grant, revoke, site "
                   "and contact")
        ->capture_default_str();
    add_file_commands(app, a);
    add_account_commands(app, a);
    add_site_commands(app, a);
    add_contact_commands(app, a);
    try {
        app.parse(argc, argv);
        if (app.get_subcommands().empty()) {
            throw CLI::RequiredError("A command");
        }
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? tool::kDone : tool::kUnusable;
    } catch (const tool::Stop& stop) {
        std::fprintf(stderr, "guichet-db: %s\n", stop.what());
        return stop.status();
    }
    return a.status;
}
