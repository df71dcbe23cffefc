// The run-time errors that the controls raise of their own, with the toolkit's numbers and
// descriptions.
#pragma once

#include "platform/vb/runtime_error.h"

namespace ui {

constexpr int kInvalidPropertyValue = 380;
constexpr int kInvalidPropertyArrayIndex = 381;

[[noreturn]] inline void raise_invalid_property_value() {
    throw vb::RuntimeError(kInvalidPropertyValue, "Invalid property value");
}

[[noreturn]] inline void raise_invalid_property_array_index() {
    throw vb::RuntimeError(kInvalidPropertyArrayIndex, "Invalid property array index");
}

}  // namespace ui
