// Which mounts of a mount table are drives; kept apart from the machine so tests can feed
// it the tables of a desktop and of a container.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace fs {

struct Mount {
    std::string mount_point;
    std::string source;
};

// The mounts of a /proc/self/mountinfo text that a person would call a disk, the root file
// system first, then in mount-point order. `is_folder` tells a folder from a bound file.
std::vector<Mount> disk_mounts(std::string_view mountinfo,
                               const std::function<bool(const std::string&)>& is_folder);

}  // namespace fs
