// The two loaders of the shared module.
#include "data/database.h"
#include "data/module1.h"
#include "data/statements.h"
#include "data/table_storage.h"
#include "platform/vb/variant.h"

namespace Module1 {

namespace {

// A text column fitted straight into its field, without an intermediate copy.
struct Text {
    const vb::Variant& value;
    template <std::size_t N>
    operator vb::FixedText<N>() const {  // NOLINT
        if (const auto* text = std::get_if<vb::String>(&value.value())) {
            return vb::FixedText<N>(*text);
        }
        return vb::FixedText<N>(vb::CStr(value));
    }
};

Text text(const ado::Recordset& row, std::u16string_view column) {
    return {row.Fields(column)};
}

}  // namespace

void charger_comptes() {
    nb_comptes = 0;
    ado::Connection connection;
    data::open_database(connection);
    data::read_rows(statements::all_accounts(), connection, [](const ado::Recordset& row) {
        data::append(comptes, nb_comptes, Compte{text(row, u"loggin"), text(row, u"pwd")});
    });
    connection.Close();
}

void charger_acces() {
    nb_acces = 0;
    nb_sites = 0;
    nb_contacts = 0;
    ado::Connection connection;
    data::open_database(connection);

    for (vb::Integer i = 0; i < nb_connectes; ++i) {
        const auto login = connectes[i].loggin;
        data::read_rows(
            statements::access_rights_of(login), connection, [&](const ado::Recordset& row) {
                data::append(acces, nb_acces,
                             Acces{login, text(row, u"psd"), vb::CBool(row.Fields(u"ftpa")),
                                   vb::CBool(row.Fields(u"contacta"))});
            });
    }

    // Every entry brings its account's sites and contacts, whatever its flags: an account
    // with n rows in acceder has them n times.
    for (vb::Integer k = 0; k < nb_acces; ++k) {
        const auto login = acces[k].loggin;
        data::read_rows(statements::ftp_sites_of(login), connection, [](const ado::Recordset& row) {
            data::append(sites, nb_sites,
                         SiteFtp{text(row, u"log"), text(row, u"adress"), text(row, u"mdp"),
                                 vb::CInt(row.Fields(u"port")), text(row, u"nom")});
        });
        data::read_rows(statements::contacts_of(login), connection, [](const ado::Recordset& row) {
            data::append(
                contacts, nb_contacts,
                Contact{vb::CInt(row.Fields(u"num")), text(row, u"nom"), text(row, u"prenom"),
                        text(row, u"adress"), text(row, u"cp"), text(row, u"ville")});
        });
    }
    connection.Close();
}

}  // namespace Module1
