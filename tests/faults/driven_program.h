// The program started as a subprocess, headless, driven by steps and given a time limit;
// run as an unprivileged user when the tests run as root, so that permissions bind it.
#pragma once

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QThread>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace faults {

constexpr int kTimeLimitMs = 30000;
constexpr uid_t kNobody = 65534;

struct Outcome {
    bool finished = false;
    bool normal_exit = false;
    int exit_code = -1;
    std::string out;
    std::string err;
};

inline bool as_root() {
    return geteuid() == 0;
}

// Hands `path` and everything under it to the user the program runs as.
inline void give_away(const std::filesystem::path& path) {
    if (!as_root()) {
        return;
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path)) {
        ::lchown(entry.path().c_str(), kNobody, kNobody);
    }
    ::lchown(path.c_str(), kNobody, kNobody);
}

inline void start(QProcess& program, const std::filesystem::path& database,
                  const std::vector<std::string>& steps) {
    QStringList arguments{QString::fromStdString(database.string())};
    for (const std::string& step : steps) {
        arguments << QString::fromStdString(step);
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory("/");  // on drive c:
    if (as_root()) {
        program.setChildProcessModifier([] {
            if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) {
                _exit(125);
            }
        });
    }
    program.start(DRIVEN, arguments);
}

// Waits for a started program to end, within the time limit.
inline Outcome finish(QProcess& program) {
    Outcome outcome;
    outcome.finished = program.waitForFinished(kTimeLimitMs);
    if (!outcome.finished) {
        program.kill();
        program.waitForFinished();
    }
    outcome.normal_exit = program.exitStatus() == QProcess::NormalExit;
    outcome.exit_code = program.exitCode();
    outcome.out = program.readAllStandardOutput().toStdString();
    outcome.err = program.readAllStandardError().toStdString();
    return outcome;
}

inline Outcome run(const std::filesystem::path& database, const std::vector<std::string>& steps) {
    QProcess program;
    start(program, database, steps);
    return finish(program);
}

// Ended in time by the platform's report, `number` and `description`, and nothing after it.
inline void expect_report(const Outcome& outcome, const std::string& number,
                          const std::string& description) {
    ASSERT_TRUE(outcome.finished) << "no end within the time limit\n" << outcome.err;
    EXPECT_TRUE(outcome.normal_exit) << "ended by a signal\n" << outcome.err;
    EXPECT_NE(outcome.exit_code, 0);
    const std::string report = "Run-time error '" + number + "':\n\n" + description + "\n";
    EXPECT_TRUE(outcome.err.ends_with(report)) << outcome.err;
    EXPECT_EQ(outcome.err.find("Sanitizer"), std::string::npos) << outcome.err;
    EXPECT_EQ(outcome.err.find("runtime error:"), std::string::npos) << outcome.err;
}

inline void expect_success(const Outcome& outcome) {
    ASSERT_TRUE(outcome.finished) << "no end within the time limit\n" << outcome.err;
    EXPECT_TRUE(outcome.normal_exit) << outcome.err;
    EXPECT_EQ(outcome.exit_code, 0) << outcome.err;
}

inline std::string bytes_of(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline const std::string kGeneralFailure = "-2147467259 (80004005)";
inline const std::string kStatementRefused = "-2147217900 (80040e14)";

}  // namespace faults
