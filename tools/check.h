// Finds what would make the program end with a run-time error or silently miss a row,
// before a user meets it. Reads only.
#pragma once

#include <string>
#include <vector>

#include "data/schema.h"
#include "tool_database.h"

namespace tool {

struct Problem {
    std::string where;  // "table", "table, row N, column"
    std::string what;
    bool warning = false;  // the program copes, but not as one would expect
};

// The tables that hold every column the program reads; the others are reported.
std::vector<data::Table> complete_tables(ToolDatabase& db, std::vector<Problem>& problems);

// Stops with kUnusable where the file cannot be read at all.
std::vector<Problem> problems_of(const std::string& path);

// Prints one line per problem; kDone when there is none but warnings, kRefused otherwise.
int report(const std::vector<Problem>& problems);

// With `strict`, warnings make the status kRefused too.
int check(const std::string& path, bool strict);

}  // namespace tool
