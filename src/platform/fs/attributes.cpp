#include "fs/attributes.h"

#include <sys/stat.h>

#include <cerrno>

#include "fs/drives_cache.h"
#include "fs/paths.h"
#include "vb/runtime_error.h"

namespace fs {

int GetAttr(const vb::String& path) {
    const auto native = native_path(path);
    struct stat info {};
    if (::stat(native.c_str(), &info) != 0) {
        const int failure = errno;
        const auto parent = native.parent_path();
        struct stat folder {};
        const bool folder_there = ::stat(parent.c_str(), &folder) == 0 && S_ISDIR(folder.st_mode);
        raise_for_missing(path, failure, folder_there ? vb::kFileNotFound : vb::kPathNotFound);
    }
    int attributes = S_ISDIR(info.st_mode)   ? vbDirectory
                     : S_ISREG(info.st_mode) ? vbNormal
                                             : vbSystem;
    const std::size_t cut = path.rfind(u'\\');
    const std::u16string_view name =
        std::u16string_view(path).substr(cut == vb::String::npos ? 0 : cut + 1);
    if (name.size() > 1 && name[0] == u'.' && name != u"..") {
        attributes |= vbHidden;
    }
    return attributes;
}

}  // namespace fs
