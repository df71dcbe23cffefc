// The checks of the rows themselves: each value as the program would read it, then what
// the rows mean together (doubled logins, rows nobody owns, counts past 16 bits).
#pragma once

#include <vector>

#include "check.h"
#include "data/schema.h"
#include "tool_database.h"

namespace tool {

// Reads every row of the given tables, all of whose columns are known to be there.
void check_rows(ToolDatabase& db, const std::vector<data::Table>& tables,
                std::vector<Problem>& problems);

}  // namespace tool
