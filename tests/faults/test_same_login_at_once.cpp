// Two people at two programs on the one shared file, creating the same login at once: both
// pass the program's own check, and the database, as guichet-db makes it, keeps one row.
#include "driven_program.h"
#include "scratch_database.h"

namespace {

const std::string kDuplicateInIndex =
    "The changes you requested to the table were not successful because they would create "
    "duplicate values in the index, primary key, or relationship. Change the data in the field "
    "or fields that contain duplicate data, remove the index, or redefine the index to permit "
    "duplicate entries and try again.";

TEST(SameLoginAtOnce, TheProgramThatConfirmsSecondEndsWithTheReport) {
    test_support::ScratchDatabase db(false);
    std::filesystem::remove(db.path());
    ASSERT_EQ(QProcess::execute(TOOL, {"create", QString::fromStdString(db.path().string())}), 0);
    faults::give_away(db.folder());

    QProcess first;
    faults::start(first, db.path(), {"login", "new-held", "dana", "first"});
    while (!first.canReadLine()) {
        ASSERT_TRUE(first.waitForReadyRead(faults::kTimeLimitMs))
            << first.readAllStandardError().toStdString();
    }
    ASSERT_EQ(first.readLine().toStdString(), "held\n");

    const faults::Outcome second = faults::run(db.path(), {"login", "new", "dana", "second"});
    faults::expect_success(second);
    EXPECT_EQ(second.out, "new: New User Added\n");

    first.write("\n");
    first.closeWriteChannel();
    const faults::Outcome outcome = faults::finish(first);
    faults::expect_report(outcome, faults::kGeneralFailure, kDuplicateInIndex);
    EXPECT_EQ(outcome.out, "");  // no "New User Added"
    EXPECT_EQ(db.dump(), "[compte]\n'" + test_support::filled("dana") +
                             "'|'second'\n[acceder]\n[ftp]\n[contact]\n");
}

}  // namespace
