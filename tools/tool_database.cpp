#include "tool_database.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/ado/recordset.h"

namespace tool {

void require_regular(const std::string& path) {
    // Told from its kind alone: opening a named pipe to read it waits for a writer.
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        throw Stop(kUnusable, "cannot use '" + path + "': not a regular file");
    }
}

void require_readable(const std::string& path) {
    require_regular(path);
    if (::access(path.c_str(), R_OK) != 0) {
        throw Stop(kUnusable, "cannot use '" + path + "': " + std::strerror(errno));
    }
}

ToolDatabase::ToolDatabase(const std::string& path) : path_(path) {
    require_readable(path);
    guarded([&] { data::open_database(connection_, vb::from_utf8(path)); });
}

void ToolDatabase::write(const vb::String& statement) {
    guarded([&] {
        ado::Recordset result;
        result.Open(statement, connection_, ado::adOpenDynamic, ado::adLockOptimistic);
    });
}

void ToolDatabase::unusable(const vb::RuntimeError& error) const {
    std::string message = "cannot use '" + path_ + "': " + error.description();
    if (error.number() == vb::kInvalidUseOfNull || error.number() == vb::kOverflow ||
        error.number() == vb::kTypeMismatch) {
        message += "; guichet-db check tells where";
    }
    throw Stop(kUnusable, message);
}

}  // namespace tool
