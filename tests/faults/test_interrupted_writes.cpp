// The program killed outright while it creates accounts, again and again: the database
// stays whole, and every row is one the program wrote in full.
#include <signal.h>
#include <sqlite3.h>

#include <random>
#include <set>

#include "driven_program.h"
#include "scratch_database.h"

namespace {

std::string integrity(const std::filesystem::path& path) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    std::string result;
    sqlite3_exec(
        db, "PRAGMA integrity_check;",
        [](void* out, int, char** values, char**) {
            *static_cast<std::string*>(out) += values[0];
            return 0;
        },
        &result, nullptr);
    sqlite3_close(db);
    return result;
}

TEST(InterruptedWrites, AKillInTheMiddleOfAWriteLeavesTheOldOrTheNewRow) {
    test_support::ScratchDatabase db;
    faults::give_away(db.folder());
    std::mt19937 generator(11);
    std::uniform_int_distribution<int> pause_ms(0, 40);
    for (int round = 0; round < 100; ++round) {
        QProcess program;
        faults::start(program, db.path(), {"login", "new-many", "r" + std::to_string(round), "50"});
        ASSERT_TRUE(program.waitForReadyRead(faults::kTimeLimitMs)) << round;
        QThread::msleep(static_cast<unsigned long>(pause_ms(generator)));
        ::kill(static_cast<pid_t>(program.processId()), SIGKILL);
        ASSERT_TRUE(program.waitForFinished(faults::kTimeLimitMs));
        ASSERT_EQ(integrity(db.path()), "ok") << round;
    }

    // Every row is whole, and each login the program created is there once.
    const std::string rows = db.dump();
    std::set<std::string> logins;
    std::size_t at = rows.find("[compte]\n") + 9;
    const std::size_t end = rows.find("[acceder]");
    while (at < end) {
        const std::size_t line_end = rows.find('\n', at);
        const std::string line = rows.substr(at, line_end - at);
        ASSERT_EQ(line.size(), 1 + 50 + 3 + 2 + 1) << line;
        EXPECT_TRUE(line.ends_with("'|'pw'")) << line;
        EXPECT_TRUE(logins.insert(line).second) << line;
        at = line_end + 1;
    }
    EXPECT_GE(logins.size(), 100u);
}

}  // namespace
