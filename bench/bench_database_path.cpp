// The benchmarks' stand-in for the compiled-in database path.
#include "data/database_path.h"

namespace bench {

vb::String& database_path_setting() {
    static vb::String path;
    return path;
}

}  // namespace bench

namespace data {

const vb::String& database_path() {
    return bench::database_path_setting();
}

}  // namespace data
