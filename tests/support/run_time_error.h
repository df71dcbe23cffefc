// The run-time error an action raises, for tests that expect one.
#pragma once

#include "platform/vb/runtime_error.h"

namespace test_support {

// The error `action` raised, or one numbered 0 if it raised none.
template <typename Action>
vb::RuntimeError error_of(Action&& action) {
    try {
        action();
    } catch (const vb::RuntimeError& error) {
        return error;
    }
    return vb::RuntimeError(0, "");
}

template <typename Action>
int error_number_of(Action&& action) {
    return error_of(action).number();
}

}  // namespace test_support
