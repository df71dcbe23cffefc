#include "platform/fs/dir_listing.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "platform/fs/attributes.h"
#include "platform/fs/drives_cache.h"
#include "platform/fs/last_folder.h"
#include "platform/fs/paths.h"
#include "platform/vb/runtime_error.h"
#include "platform/vb/wildcard.h"

namespace fs {

namespace {

// * matches any run, ? one character; an empty pattern, "*" and "*.*" match every name, and
// are kept as no pattern at all.
std::optional<vb::WildcardPattern> name_pattern(std::u16string_view pattern) {
    if (pattern.empty() || pattern == u"*" || pattern == u"*.*") {
        return std::nullopt;
    }
    return vb::WildcardPattern::compile(pattern, {.any_run = u'*', .any_one = u'?', .sets = false});
}

bool is_dot_entry(const char* name) {
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

}  // namespace

struct DirListing::State {
    DIR* dir = nullptr;
    bool with_folders = false;
    std::optional<vb::WildcardPattern> pattern;  // none: every name
    vb::String folder;

    ~State() { close(); }
    void close() {
        if (dir != nullptr) {
            closedir(dir);
            dir = nullptr;
        }
    }
};

DirListing::DirListing() : state_(std::make_unique<State>()) {}
DirListing::~DirListing() = default;

vb::String DirListing::Dir(const vb::String& pattern, int attributes) {
    state_->close();
    forget_last_folder();
    const std::size_t cut = pattern.rfind(u'\\');
    const bool drive_only = cut == vb::String::npos;
    state_->folder = drive_only ? pattern.substr(0, 2) : pattern.substr(0, cut);
    state_->pattern =
        name_pattern(drive_only ? pattern.substr(std::min<std::size_t>(2, pattern.size()))
                                : pattern.substr(cut + 1));
    state_->with_folders = (attributes & vbDirectory) != 0;
    const auto native = native_path(state_->folder);
    state_->dir = opendir(native.c_str());
    if (state_->dir == nullptr) {
        raise_for_missing(state_->folder, errno, vb::kPathNotFound);
    }
    return Dir();
}

// Hidden entries (a leading ".") and system entries (neither folder nor regular file) are
// never listed, and a link is taken for what it leads to: one that leads nowhere is skipped.
// A name holding a backslash could not be written as a path without naming another folder,
// so it is skipped too.
vb::String DirListing::Dir() {
    if (state_->dir == nullptr) {
        vb::raise(vb::kInvalidProcedureCall);
    }
    const int fd = dirfd(state_->dir);
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(state_->dir);
        if (entry == nullptr) {
            const int failure = errno;
            state_->close();
            if (failure != 0) {
                raise_for_missing(state_->folder, failure, vb::kPathNotFound);
            }
            return {};
        }
        const char* name = entry->d_name;
        if ((name[0] == '.' && !is_dot_entry(name)) || std::strchr(name, '\\') != nullptr) {
            continue;
        }
        unsigned char type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {
            struct stat info {};
            if (fstatat(fd, name, &info, 0) != 0) {
                continue;
            }
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (!(type == DT_REG || (type == DT_DIR && state_->with_folders))) {
            continue;
        }
        vb::String text = name_from_native(name);
        if (!state_->pattern || state_->pattern->matches(text)) {
            return text;
        }
    }
}

}  // namespace fs
