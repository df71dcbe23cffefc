// Repairs what can be repaired without guessing, after a copy of the file beside it, and
// lists what is left for a person to decide.
#pragma once

#include <string>

namespace tool {

int fix(const std::string& path);

}  // namespace tool
