// The drive table that paths are resolved against, read once and renewed by drives().
#pragma once

#include <filesystem>
#include <string_view>

namespace fs {

// The root of the drive with `letter` (either case); a drive that is not in the table
// raises "Device unavailable" (68).
std::filesystem::path drive_root(char16_t letter);

// Grows each time the table changes, so that what was resolved against it can tell.
unsigned drive_table_generation();

// Raises the error for an operation on `path` that failed with `error_number`: "Disk not
// ready" (71) for a drive without a medium, "Device unavailable" (68) when the drive's root
// is gone, `otherwise` when only the path is wrong.
[[noreturn]] void raise_for_missing(std::u16string_view path, int error_number, int otherwise);

}  // namespace fs
