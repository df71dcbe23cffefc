#include "platform/fs/mountinfo.h"

#include <algorithm>
#include <array>
#include <map>
#include <sstream>

namespace fs {

namespace {

// File systems that are no disk: the kernel's own views, memory, and network shares.
constexpr std::array<std::string_view, 33> kNotDiskTypes{"proc",        "sysfs",
                                                         "tmpfs",       "devtmpfs",
                                                         "devpts",      "cgroup",
                                                         "cgroup2",     "securityfs",
                                                         "debugfs",     "tracefs",
                                                         "configfs",    "fusectl",
                                                         "mqueue",      "hugetlbfs",
                                                         "pstore",      "bpf",
                                                         "binfmt_misc", "autofs",
                                                         "efivarfs",    "nsfs",
                                                         "rpc_pipefs",  "ramfs",
                                                         "overlay",     "squashfs",
                                                         "fuse.portal", "fuse.gvfsd-fuse",
                                                         "selinuxfs",   "none",
                                                         "nfs",         "nfs4",
                                                         "cifs",        "smb3",
                                                         "fuse.sshfs"};

// Mount points write a blank, a tab, a line break and a backslash as octal escapes.
std::string unescaped(std::string_view field) {
    std::string text;
    for (std::size_t k = 0; k < field.size(); ++k) {
        if (field[k] == '\\' && k + 3 < field.size()) {
            const std::string_view digits = field.substr(k + 1, 3);
            if (std::all_of(digits.begin(), digits.end(),
                            [](char c) { return c >= '0' && c <= '7'; })) {
                text += static_cast<char>(std::stoi(std::string(digits), nullptr, 8));
                k += 3;
                continue;
            }
        }
        text += field[k];
    }
    return text;
}

bool under(const std::string& path, std::string_view folder) {
    return path.size() > folder.size() && path.starts_with(folder) && path[folder.size()] == '/';
}

bool is_disk_type(std::string_view type) {
    return std::find(kNotDiskTypes.begin(), kNotDiskTypes.end(), type) == kNotDiskTypes.end();
}

}  // namespace

std::vector<Mount> disk_mounts(std::string_view mountinfo,
                               const std::function<bool(const std::string&)>& is_folder) {
    Mount root{"/", ""};
    std::map<std::string, Mount> others;  // by mount point; a later mount hides an earlier one
    std::istringstream lines{std::string(mountinfo)};
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        std::vector<std::string> before;
        std::string field;
        while (fields >> field && field != "-") {
            before.push_back(field);
        }
        std::string type, source;
        fields >> type >> source;
        if (before.size() < 5 || type.empty()) {
            continue;
        }
        Mount mount{unescaped(before[4]), unescaped(source)};
        if (mount.mount_point == "/") {
            root = mount;
            continue;
        }
        const bool system_tree =
            under(mount.mount_point, "/proc") || under(mount.mount_point, "/sys") ||
            under(mount.mount_point, "/dev") ||
            (under(mount.mount_point, "/run") && !under(mount.mount_point, "/run/media"));
        const bool removable_place = under(mount.mount_point, "/media") ||
                                     under(mount.mount_point, "/mnt") ||
                                     under(mount.mount_point, "/run/media");
        const bool block_device = mount.source.starts_with("/dev/");
        others.erase(mount.mount_point);
        if (system_tree || !is_disk_type(type) || !(removable_place || block_device) ||
            !is_folder(mount.mount_point)) {
            continue;
        }
        others.emplace(mount.mount_point, std::move(mount));
    }
    std::vector<Mount> disks{root};
    for (auto& [point, mount] : others) {
        disks.push_back(std::move(mount));
    }
    return disks;
}

}  // namespace fs
