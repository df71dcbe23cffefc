#include "platform/fs/attributes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <climits>

#include "platform/fs/drives_cache.h"
#include "platform/fs/last_folder.h"
#include "platform/fs/paths.h"
#include "platform/vb/runtime_error.h"

namespace fs {

namespace {

// The folder whose entries were asked for last, held open: the browser reads the
// attributes of every entry of one folder in a row, and looking a name up in an open folder
// spares the kernel the walk down the whole path each time. Each new listing lets it go, as
// does a change of the drive table, so that the folder held is the one the current listing
// reads; a failure is always looked at again by its full path.
class LastFolder final {
public:
    ~LastFolder() { forget(); }

    int descriptor_for(std::u16string_view folder) {
        if (fd_ >= 0 && folder == folder_ && generation_ == drive_table_generation()) {
            return fd_;
        }
        forget();
        const auto native = native_path(folder);
        fd_ = ::open(native.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd_ >= 0) {
            folder_ = folder;
            generation_ = drive_table_generation();
        }
        return fd_;
    }

    void forget() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
        fd_ = -1;
        folder_.clear();
    }

private:
    vb::String folder_;
    unsigned generation_ = 0;
    int fd_ = -1;
};

LastFolder& last_folder() {
    static LastFolder instance;
    return instance;
}

// Most names are ASCII, whose native bytes are their units: they are written on the stack,
// sparing an allocation for each entry of the folder.
bool stat_by_name(int folder, std::u16string_view name, struct stat& info) {
    std::array<char, NAME_MAX + 1> ascii;
    std::size_t k = 0;
    for (; k < name.size() && k < NAME_MAX && name[k] < 0x80; ++k) {
        ascii[k] = static_cast<char>(name[k]);
    }
    if (k < name.size()) {
        return ::fstatat(folder, name_to_native(name).c_str(), &info, 0) == 0;
    }
    ascii[k] = '\0';
    return ::fstatat(folder, ascii.data(), &info, 0) == 0;
}

// `cut` is where the last backslash of `path` stands, if it has one.
bool stat_in_last_folder(const vb::String& path, std::size_t cut, struct stat& info) {
    LastFolder& last = last_folder();
    if (cut == vb::String::npos || cut + 1 == path.size()) {
        return false;
    }
    const std::u16string_view name = std::u16string_view(path).substr(cut + 1);
    if (std::any_of(name.begin(), name.end(),
                    [](char16_t unit) { return unit == u'/' || unit == 0; })) {
        return false;
    }
    const int fd = last.descriptor_for(std::u16string_view(path).substr(0, cut));
    return fd >= 0 && stat_by_name(fd, name, info);
}

}  // namespace

void forget_last_folder() {
    last_folder().forget();
}

int GetAttr(const vb::String& path) {
    struct stat info;  // filled by whichever stat succeeds; read only then
    const std::size_t cut = path.rfind(u'\\');
    if (!stat_in_last_folder(path, cut, info)) {
        const auto native = native_path(path);
        if (::stat(native.c_str(), &info) != 0) {
            const int failure = errno;
            const auto parent = native.parent_path();
            struct stat folder {};
            const bool folder_there =
                ::stat(parent.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode);
            raise_for_missing(path, failure, folder_there ? vb::kFileNotFound : vb::kPathNotFound);
        }
    }
    int attributes = S_ISDIR(info.st_mode)   ? vbDirectory
                     : S_ISREG(info.st_mode) ? vbNormal
                                             : vbSystem;
    const std::u16string_view name =
        std::u16string_view(path).substr(cut == vb::String::npos ? 0 : cut + 1);
    if (name.size() > 1 && name[0] == u'.' && name != u"..") {
        attributes |= vbHidden;
    }
    return attributes;
}

}  // namespace fs
