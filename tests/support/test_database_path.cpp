// Test executables' stand-in for the compiled-in database path: each test names its own.
#include "data/database_path.h"
#include "scratch_database.h"

namespace {

vb::String& current_path() {
    static vb::String path = u"/nonexistent/guichet-test/bdd.mdb";
    return path;
}

}  // namespace

namespace data {

const vb::String& database_path() {
    return current_path();
}

}  // namespace data

namespace test_support {

void use_database(const std::filesystem::path& path) {
    current_path() = vb::from_utf8(path.string());
}

}  // namespace test_support
