// Where the database file lives: an absolute path compiled into the program. Test
// executables link a unit of their own in place of this one.
#pragma once

#include "platform/vb/text.h"

namespace data {

const vb::String& database_path();

}  // namespace data
