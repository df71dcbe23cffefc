#include "data/module1.h"

namespace Module1 {

vb::DynArray<Compte> comptes;
vb::Integer nb_comptes;
vb::DynArray<Compte> connectes;
vb::Integer nb_connectes;
vb::DynArray<Acces> acces;
vb::Integer nb_acces;
vb::DynArray<SiteFtp> sites;
vb::Integer nb_sites;
vb::DynArray<Contact> contacts;
vb::Integer nb_contacts;

bool confirme_ok = false;

}  // namespace Module1
