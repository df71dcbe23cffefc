// The database tool run as a person runs it, and the rows the program loads from what the
// tool wrote.
#pragma once

#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <string>
#include <vector>

#include "data/module1.h"
#include "scratch_database.h"

using test_support::bytes_of;

struct ToolRun {
    int status;
    std::string out;
    std::string error;
};

// A run past `deadline` milliseconds is killed, and its status is -1.
inline ToolRun tool(const QStringList& arguments, int deadline = 20000) {
    QProcess process;
    process.start(TOOL, arguments);
    const bool finished = process.waitForFinished(deadline);  // if not, killed as it goes
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

inline QString argument(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// These accounts logged on, and their rows loaded as the program loads them.
inline void log_on(const std::vector<Compte>& accounts) {
    const int count = static_cast<int>(accounts.size());
    Module1::connectes.redim_preserve(count);
    for (int i = 0; i < count; ++i) {
        Module1::connectes[i] = accounts[static_cast<std::size_t>(i)];
    }
    Module1::nb_connectes = count;
    Module1::charger_acces();
}
