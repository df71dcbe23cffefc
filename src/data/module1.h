// The shared module's tables, their counts and the one shared flag, for the whole process.
// The placement procedures of the same module live with the shell.
#pragma once

#include "data/records.h"
#include "platform/vb/dyn_array.h"
#include "platform/vb/integer.h"

namespace Module1 {

extern vb::DynArray<Compte> comptes;
extern vb::Integer nb_comptes;
extern vb::DynArray<Compte> connectes;
extern vb::Integer nb_connectes;
extern vb::DynArray<Acces> acces;
extern vb::Integer nb_acces;
extern vb::DynArray<SiteFtp> sites;
extern vb::Integer nb_sites;
extern vb::DynArray<Contact> contacts;
extern vb::Integer nb_contacts;

// The confirmation dialog's outcome, the deletion's reset and the FTP window's refresh
// decision all share this one flag; nothing resets it between those uses.
extern bool confirme_ok;

// Replaces `comptes` with every row of `compte`.
void charger_comptes();
// Replaces `acces`, `sites` and `contacts` with the rows of the accounts in `connectes`.
void charger_acces();

}  // namespace Module1
