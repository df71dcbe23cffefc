// A scratch database and the shared module's tables emptied, for each data test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "data/module1.h"
#include "run_time_error.h"
#include "scratch_database.h"
#include "vb/runtime_error.h"

class Module1Test : public ::testing::Test {
protected:
    Module1Test() {
        using namespace Module1;
        nb_comptes = nb_acces = nb_sites = nb_contacts = 0;
        nb_connectes = 0;
        log_on(u" Public", u" ");
    }

    void log_on(const vb::String& login, const vb::String& password) {
        using namespace Module1;
        nb_connectes += 1;
        connectes.redim_preserve(nb_connectes);
        connectes[nb_connectes - 1] = Compte{login, password};
    }

    template <typename Action>
    static vb::RuntimeError error_of(Action&& action) {
        return test_support::error_of(action);
    }

    test_support::ScratchDatabase db;
};

inline std::string filled(const std::string& login) {
    return test_support::filled(login);
}
