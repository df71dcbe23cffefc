// The database tool run as a person would run it.
#include <gtest/gtest.h>

#include <QProcess>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "scratch_database.h"

namespace {

struct ToolRun {
    int status;
    std::string error;
};

ToolRun tool(const QStringList& arguments) {
    QProcess process;
    process.start(TOOL, arguments);
    process.waitForFinished(20000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError().toStdString()};
}

class GuichetDb : public ::testing::Test {
protected:
    test_support::ScratchDatabase scratch{false};
    std::filesystem::path target = scratch.folder() / "new.mdb";
};

TEST_F(GuichetDb, CreatesTheFourEmptyTables) {
    ASSERT_EQ(tool({"create", QString::fromStdString(target.string())}).status, 0);
    test_support::use_database(target);
    std::filesystem::rename(target, scratch.path());
    EXPECT_EQ(scratch.dump(), "[compte]\n[acceder]\n[ftp]\n[contact]\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(scratch.folder()),
                            std::filesystem::directory_iterator()),
              1);  // no temporary file left behind
}

TEST_F(GuichetDb, TheExampleStoresLoginsFilledToFiftyCharacters) {
    ASSERT_EQ(tool({"create", "--example", QString::fromStdString(target.string())}).status, 0);
    std::filesystem::rename(target, scratch.path());
    const std::string dump = scratch.dump();
    EXPECT_NE(dump.find("'" + test_support::filled("alice") + "'|'wonder'"), std::string::npos);
    EXPECT_NE(dump.find("'" + test_support::filled(" Public") + "'|'" +
                        test_support::filled("alice") + "'"),
              std::string::npos);
}

TEST_F(GuichetDb, NeverOverwritesAFile) {
    std::ofstream(target) << "keep me";
    const ToolRun run = tool({"create", QString::fromStdString(target.string())});
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.error.find("already exists"), std::string::npos);
    std::stringstream content;
    content << std::ifstream(target).rdbuf();
    EXPECT_EQ(content.str(), "keep me");
}

TEST_F(GuichetDb, ABadPathOrUsageFailsClearly) {
    const ToolRun missing_folder =
        tool({"create", QString::fromStdString((scratch.folder() / "no" / "x.mdb").string())});
    EXPECT_NE(missing_folder.status, 0);
    EXPECT_NE(missing_folder.error.find("cannot create"), std::string::npos);
    EXPECT_NE(tool({"make"}).status, 0);
    EXPECT_EQ(tool({"--help"}).status, 0);
}

}  // namespace
