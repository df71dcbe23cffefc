#include "platform/fs/drives.h"

#include <sys/stat.h>

#include <charconv>
#include <fstream>
#include <sstream>
#include <system_error>

#include "platform/fs/drives_cache.h"
#include "platform/fs/mountinfo.h"
#include "platform/fs/paths.h"
#include "platform/vb/runtime_error.h"

namespace fs {

namespace {

constexpr int kLastLetter = 'z';

// /dev/disk/by-label writes a blank as \x20 and other odd bytes the same way.
std::string decoded_label(const std::string& name) {
    std::string label;
    for (std::size_t k = 0; k < name.size(); ++k) {
        unsigned byte = 0;
        const char* digits = name.data() + k + 2;
        if (name.compare(k, 2, "\\x") == 0 && k + 3 < name.size() &&
            std::from_chars(digits, digits + 2, byte, 16).ptr == digits + 2) {
            label += static_cast<char>(byte);
            k += 3;
        } else {
            label += name[k];
        }
    }
    return label;
}

std::string label_of(const std::string& source) {
    std::error_code error;
    const auto device = std::filesystem::canonical(source, error);
    if (error) {
        return {};
    }
    for (const auto& entry : std::filesystem::directory_iterator("/dev/disk/by-label", error)) {
        if (std::filesystem::canonical(entry.path(), error) == device && !error) {
            return decoded_label(entry.path().filename().string());
        }
    }
    return {};
}

std::vector<Drive> machine_drives() {
    std::ifstream file("/proc/self/mountinfo");
    std::stringstream text;
    text << file.rdbuf();
    const auto mounts = disk_mounts(text.str(), [](const std::string& path) {
        struct stat info {};
        return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    });
    std::vector<Drive> drives;
    char16_t letter = u'c';
    for (const auto& mount : mounts) {
        if (letter > kLastLetter) {
            break;
        }
        const bool removable = mount.mount_point.starts_with("/media/") ||
                               mount.mount_point.starts_with("/run/media/");
        drives.push_back({vb::String{letter, u':'}, name_from_native(label_of(mount.source)),
                          mount.mount_point, removable});
        ++letter;
    }
    return drives;
}

// The table paths are resolved against: the last one drives() read, or the tests' own.
struct Table {
    std::optional<std::vector<Drive>> replacement;
    std::optional<std::vector<Drive>> read;
    unsigned generation = 0;
};

Table& table() {
    static Table instance;
    return instance;
}

}  // namespace

std::vector<Drive> drives() {
    Table& t = table();
    if (t.replacement) {
        return *t.replacement;
    }
    t.read = machine_drives();
    ++t.generation;
    return *t.read;
}

vb::String drive_text(const Drive& drive) {
    return drive.label.empty() ? drive.letter : drive.letter + u" [" + drive.label + u"]";
}

int current_drive_index(const std::vector<Drive>& drives) {
    std::error_code error;
    const auto here = std::filesystem::current_path(error);
    int best = 0;
    std::size_t best_depth = 0;
    for (std::size_t k = 0; k < drives.size() && !error; ++k) {
        const auto& root = drives[k].root;
        const auto end = std::mismatch(root.begin(), root.end(), here.begin(), here.end()).first;
        const auto depth = static_cast<std::size_t>(std::distance(root.begin(), root.end()));
        if (end == root.end() && depth > best_depth) {
            best = static_cast<int>(k);
            best_depth = depth;
        }
    }
    return best;
}

void set_drive_table(std::optional<std::vector<Drive>> replacement) {
    table().replacement = std::move(replacement);
    ++table().generation;
}

unsigned drive_table_generation() {
    return table().generation;
}

std::filesystem::path drive_root(char16_t letter) {
    Table& t = table();
    if (!t.replacement && !t.read) {
        drives();
    }
    const auto& known = t.replacement ? *t.replacement : *t.read;
    const char16_t lower = letter >= u'A' && letter <= u'Z' ? letter - u'A' + u'a' : letter;
    for (const auto& drive : known) {
        if (!drive.letter.empty() && drive.letter[0] == lower) {
            return drive.root;
        }
    }
    vb::raise(vb::kDeviceUnavailable);
}

void raise_for_missing(std::u16string_view path, int error_number, int otherwise) {
    if (error_number == ENOMEDIUM) {
        vb::raise(vb::kDiskNotReady);
    }
    struct stat info {};
    const auto root = drive_root(path.empty() ? u' ' : path[0]);
    if (::stat(root.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        vb::raise(errno == ENOMEDIUM ? vb::kDiskNotReady : vb::kDeviceUnavailable);
    }
    vb::raise(otherwise);
}

}  // namespace fs
