// One value of one column, judged the way the program's loaders would read it: the
// problem it would cause, if any.
#pragma once

#include <optional>
#include <string_view>

#include "check.h"
#include "data/schema.h"
#include "platform/vb/variant.h"

namespace tool {

// `what` and `warning` of a Problem, or nothing where the program reads the value as meant.
std::optional<Problem> judge(const data::Column& column, std::string_view table,
                             const vb::Variant& value);

}  // namespace tool
