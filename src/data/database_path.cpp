#include "data/database_path.h"

namespace data {

const vb::String& database_path() {
    static const vb::String path = vb::from_utf8(GUICHET_DATABASE_PATH);
    return path;
}

}  // namespace data
