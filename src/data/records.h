// The in-memory records of the four tables; every text field has the fixed width that
// the loaders fill or cut it to.
#pragma once

#include "platform/vb/fixed_text.h"
#include "platform/vb/integer.h"

struct Compte {
    vb::FixedText<50> loggin;
    vb::FixedText<25> pwd;
};

struct Acces {
    vb::FixedText<50> loggin;  // the logged-on account the row was read for
    vb::FixedText<50> psd;
    bool ftpa = false;
    bool contacta = false;
};

struct SiteFtp {
    vb::FixedText<50> log;
    vb::FixedText<255> adress;
    vb::FixedText<50> mdp;
    vb::Integer port;
    vb::FixedText<255> nom;
};

struct Contact {
    vb::Integer num;
    vb::FixedText<50> nom;
    vb::FixedText<50> prenom;
    vb::FixedText<255> adress;
    vb::FixedText<6> cp;
    vb::FixedText<255> ville;
};
