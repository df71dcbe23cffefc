// The program started as a person would, headless, against a database that is not there.
#include <gtest/gtest.h>

#include <QProcess>

#include <filesystem>

namespace {

TEST(Startup, AMissingDatabaseEndsWithTheReportAndCreatesNothing) {
    std::filesystem::remove_all(std::filesystem::path(MISSING_DATABASE).parent_path());
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.start(PROGRAM, {});
    ASSERT_TRUE(program.waitForFinished(20000)) << "the program did not end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(program.exitCode(), 0);
    // The toolkit may warn before it; nothing may follow the report.
    const std::string report =
        "Run-time error '-2147467259 (80004005)':\n\nCould not find file '" MISSING_DATABASE "'.\n";
    const std::string error = program.readAllStandardError().toStdString();
    EXPECT_TRUE(error.ends_with(report)) << error;
    EXPECT_FALSE(std::filesystem::exists(MISSING_DATABASE));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(MISSING_DATABASE).parent_path()));
}

}  // namespace
