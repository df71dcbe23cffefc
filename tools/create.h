// Making a new database file, and bringing one made by an older tool up to date.
#pragma once

#include <string>

namespace tool {

// Never overwrites a file.
int create(const std::string& path, bool example);
// Adds the index that keeps one row per login; never creates a file.
int upgrade(const std::string& path);

}  // namespace tool
