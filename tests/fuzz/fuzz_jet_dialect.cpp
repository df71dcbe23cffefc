// Fuzzes the Jet dialect with two texts a and b: a LIKE pattern without wildcards matches only
// itself, and the system's statements store a and b as typed and touch a's rows only.
#include <utility>
#include <vector>

#include "data/database.h"
#include "data/statements.h"
#include "fuzz_input.h"
#include "platform/ado/jet_like.h"
#include "platform/ado/recordset.h"
#include "platform/vb/variant.h"
#include "scratch_database.h"

namespace {

using vb::String;
using Rows = std::vector<std::pair<String, String>>;

struct Database {
    Database() { data::open_database(connection, vb::from_utf8(scratch.path().string())); }
    test_support::ScratchDatabase scratch;
    ado::Connection connection;
};

// Runs the statement; of a query, the two fields named of each row.
Rows run(const String& statement, const char16_t* one = nullptr, const char16_t* two = nullptr) {
    static Database database;
    ado::Recordset rows;
    rows.Open(statement, database.connection, ado::adOpenDynamic, ado::adLockOptimistic);
    Rows out;
    for (; one != nullptr && !rows.Eof(); rows.MoveNext()) {
        out.emplace_back(vb::CStr(rows.Fields(one)), vb::CStr(rows.Fields(two)));
    }
    return out;
}

// Two accounts, a and b, each with the other's name as password and an entry for the other.
void check_statements(const String& a, const String& b) {
    const std::string input = vb::to_utf8(a);
    run(u"DELETE FROM compte;");
    run(u"DELETE FROM acceder;");
    run(statements::new_account(a, b));
    run(statements::new_account(b, a));
    run(u"INSERT INTO acceder (loggin, psd) SELECT * FROM compte;");
    // As the database keeps them: a lone surrogate cannot be stored and reads back as U+FFFD.
    const String sa = vb::well_formed(a), sb = vb::well_formed(b);
    const Rows rights = run(statements::access_rights_of(a), u"psd", u"psd");
    fuzz_input::require(rights.size() == (sa == sb ? 2 : 1) && rights[0].first == sb,
                        "the rights of a are a's rows only", input);

    run(statements::new_password(u"changed", a));
    Rows expected{{sa, u"changed"}, {sb, sa == sb ? u"changed" : sa}};
    const auto accounts = [] { return run(statements::all_accounts(), u"loggin", u"pwd"); };
    fuzz_input::require(accounts() == expected, "a's new password is stored in a's row only",
                        input);
    run(statements::delete_account(a));
    std::erase_if(expected, [&](const auto& row) { return row.first == sa; });
    fuzz_input::require(accounts() == expected, "deleting a removes a's row only", input);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two fields, a and b, split at the first 0xFF byte (a byte UTF-8 never uses).
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min(bytes.find('\xFF'), size);
    const String a = fuzz_input::decode(bytes.substr(0, split));
    const String b = fuzz_input::decode(bytes.substr(std::min(split + 1, size)));
    if (b.find_first_of(u"%_[") == String::npos) {
        fuzz_input::require((ado::jet_like(a, b) == ado::LikeResult::kMatch) == (a == b),
                            "a pattern without wildcards matches only itself", vb::to_utf8(a));
    }
    check_statements(a, b);
    return 0;
}
