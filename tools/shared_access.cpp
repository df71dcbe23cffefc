#include "shared_access.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <tuple>

#include "data/database_path.h"
#include "platform/vb/text.h"
#include "stop.h"

namespace tool {

namespace {

namespace fs = std::filesystem;

constexpr const char* kGroup = GUICHET_DATABASE_GROUP;
// Set-group-ID: every journal a member's SQLite creates in the folder is the group's.
constexpr mode_t kFolderMode = 02770;
// SQLite gives a journal the database's own mode, so any member can roll back another's.
constexpr mode_t kFileMode = 0660;
constexpr mode_t kModeBits = 07777;

bool is_shared(const std::string& path) {
    return *kGroup != '\0' &&
           fs::absolute(path).lexically_normal() == fs::path(vb::to_utf8(data::database_path()));
}

std::string folder_of(const std::string& path) {
    return fs::absolute(path).lexically_normal().parent_path().string();
}

std::string octal(mode_t mode) {
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode & kModeBits));
    return text;
}

// "root:guichet 2770"
std::string describe(const struct stat& info) {
    const passwd* user = ::getpwuid(info.st_uid);
    std::string text = user != nullptr ? user->pw_name : std::to_string(info.st_uid);
    const group* owners = ::getgrgid(info.st_gid);
    text += ":" + (owners != nullptr ? owners->gr_name : std::to_string(info.st_gid));
    return text + " " + octal(info.st_mode);
}

std::string wanted(mode_t mode) {
    return std::string("root:") + kGroup + " " + octal(mode);
}

gid_t shared_group() {
    const group* entry = ::getgrnam(kGroup);
    if (entry == nullptr) {
        throw Stop(kRefused, std::string("there is no group ") + kGroup + "; addgroup --system " +
                                 kGroup + " makes it");
    }
    return entry->gr_gid;
}

[[noreturn]] void cannot_set(const std::string& path, int fd) {
    const int reason = errno;
    if (fd >= 0) {
        ::close(fd);
    }
    throw Stop(kUnusable,
               "cannot give '" + path + "' its owner, group and mode: " + std::strerror(reason));
}

// Through a descriptor opened without following a link: a link someone put in the folder
// must not turn root's change onto another file.
void set_access(const std::string& path, int kind, gid_t gid, mode_t mode) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | kind);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0) {
        cannot_set(path, fd);
    }
    if (info.st_uid == 0 && info.st_gid == gid && (info.st_mode & kModeBits) == mode) {
        ::close(fd);
        return;
    }
    if (::fchown(fd, 0, gid) != 0 || ::fchmod(fd, mode) != 0) {
        cannot_set(path, fd);
    }
    ::close(fd);
    std::printf("%s is now %s\n", path.c_str(), wanted(mode).c_str());
}

}  // namespace

void set_new_file_access(int fd, const std::string& path) {
    if (is_shared(path) && ::geteuid() == 0) {
        if (::fchown(fd, 0, shared_group()) != 0 || ::fchmod(fd, kFileMode) != 0) {
            cannot_set(path, -1);
        }
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

std::vector<Problem> access_problems(const std::string& path) {
    const std::string folder_path = folder_of(path);
    struct stat file {
    }, folder{};
    if (::stat(path.c_str(), &file) != 0 || ::stat(folder_path.c_str(), &folder) != 0) {
        return {};
    }
    std::vector<Problem> problems;
    if (is_shared(path)) {
        const group* owners = ::getgrnam(kGroup);
        for (const auto& [where, info, mode] :
             {std::tuple(folder_path, folder, kFolderMode), std::tuple(path, file, kFileMode)}) {
            if (info.st_uid != 0 || owners == nullptr || info.st_gid != owners->gr_gid ||
                (info.st_mode & kModeBits) != mode) {
                problems.push_back({where,
                                    describe(info) + ", where " + wanted(mode) +
                                        " lets in the group " + kGroup +
                                        " alone; guichet-db fix sets it",
                                    true});
            }
        }
        return problems;
    }
    // Strangers reach nothing past a folder they cannot enter.
    const bool readable = (file.st_mode & S_IROTH) != 0, writable = (file.st_mode & S_IWOTH) != 0;
    if ((folder.st_mode & S_IXOTH) != 0 && (readable || writable)) {
        const char* may = readable && writable ? "read and write" : readable ? "read" : "write";
        problems.push_back({path, describe(file) + ": anyone may " + may + " it", true});
    }
    if ((folder.st_mode & (S_IXOTH | S_IWOTH)) == (S_IXOTH | S_IWOTH)) {
        const char* may = (folder.st_mode & S_ISVTX) != 0
                              ? "put a journal beside the database"
                              : "replace the database or put a journal beside it";
        problems.push_back({folder_path, describe(folder) + ": anyone may " + may, true});
    }
    return problems;
}

void set_shared_access(const std::string& path) {
    if (!is_shared(path)) {
        return;
    }
    const gid_t gid = shared_group();
    set_access(folder_of(path), O_DIRECTORY, gid, kFolderMode);
    set_access(path, 0, gid, kFileMode);
}

}  // namespace tool
