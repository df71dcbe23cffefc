#include "data/schema.h"

#include <array>

#include "data/records.h"

namespace data {

namespace {

static_assert(decltype(Compte::loggin)::width == kLoginWidth);
static_assert(decltype(Compte::pwd)::width == kPasswordWidth);

constexpr std::array kCompte{
    Column{"loggin", ColumnUse::kLogin, kLoginWidth},
    Column{"pwd", ColumnUse::kText, decltype(Compte::pwd)::width},
};
constexpr std::array kAcceder{
    Column{"loggin", ColumnUse::kOwner, kLoginWidth},
    Column{"psd", ColumnUse::kLogin, decltype(Acces::psd)::width},
    Column{"ftpa", ColumnUse::kBoolean},
    Column{"contacta", ColumnUse::kBoolean},
};
constexpr std::array kFtp{
    Column{"loggin", ColumnUse::kOwner, kLoginWidth},
    Column{"log", ColumnUse::kText, decltype(SiteFtp::log)::width},
    Column{"adress", ColumnUse::kText, decltype(SiteFtp::adress)::width},
    Column{"mdp", ColumnUse::kText, decltype(SiteFtp::mdp)::width},
    Column{"port", ColumnUse::kInteger},
    Column{"nom", ColumnUse::kText, decltype(SiteFtp::nom)::width},
};
constexpr std::array kContact{
    Column{"loggin", ColumnUse::kOwner, kLoginWidth},
    Column{"num", ColumnUse::kInteger},
    Column{"nom", ColumnUse::kText, decltype(Contact::nom)::width},
    Column{"prenom", ColumnUse::kText, decltype(Contact::prenom)::width},
    Column{"adress", ColumnUse::kText, decltype(Contact::adress)::width},
    Column{"cp", ColumnUse::kText, decltype(Contact::cp)::width},
    Column{"ville", ColumnUse::kText, decltype(Contact::ville)::width},
};

constexpr std::array kTables{
    Table{"compte", kCompte},
    Table{"acceder", kAcceder},
    Table{"ftp", kFtp},
    Table{"contact", kContact},
};

}  // namespace

std::span<const Table> tables() {
    return kTables;
}

std::string_view create_tables_sql() {
    return "CREATE TABLE compte (loggin TEXT, pwd TEXT);"
           "CREATE TABLE acceder (loggin TEXT, psd TEXT, ftpa BOOLEAN, contacta BOOLEAN);"
           "CREATE TABLE ftp (loggin TEXT, log TEXT, adress TEXT, mdp TEXT, port INTEGER, "
           "nom TEXT);"
           "CREATE TABLE contact (loggin TEXT, num INTEGER, nom TEXT, prenom TEXT, adress TEXT, "
           "cp TEXT, ville TEXT);";
}

// Exact, as the program compares the stored filled logins: two people creating the same
// login at once both pass the program's own check, and the database refuses the second row.
std::string_view login_index_sql() {
    return "CREATE UNIQUE INDEX IF NOT EXISTS compte_loggin ON compte (loggin);";
}

}  // namespace data
