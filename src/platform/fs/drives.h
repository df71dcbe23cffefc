// The local drives: the root file system as "c:", further local volumes as d:, e:, ...
#pragma once

#include <filesystem>
#include <optional>
#include <vector>

#include "platform/vb/text.h"

namespace fs {

struct Drive {
    vb::String letter;  // lower-case letter and colon, "c:"
    vb::String label;   // empty when the volume has none
    std::filesystem::path root;
    bool removable = false;
};

// The drives of this machine, "c:" first, then in mount-point order.
std::vector<Drive> drives();

// "c:" or "d: [label]", as the drive list shows a drive.
vb::String drive_text(const Drive& drive);

// The index in drives() of the drive that holds the working directory ("c:" when none
// holds it more closely).
int current_drive_index(const std::vector<Drive>& drives);

// Replaces the machine's drives with `table` until called again with nullopt. Tests map
// their drives onto temporary folders with it.
void set_drive_table(std::optional<std::vector<Drive>> table);

}  // namespace fs
