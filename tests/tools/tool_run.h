// The database tool run as a person runs it, and the bytes of a file to show it untouched.
#pragma once

#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

struct ToolRun {
    int status;
    std::string out;
    std::string error;
};

inline ToolRun run_program(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(20000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

inline ToolRun tool(const QStringList& arguments) {
    return run_program(TOOL, arguments);
}

inline QString argument(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// What the file holds, or "(none)" where there is no file.
inline std::string bytes_of(const std::filesystem::path& path) {
    if (!std::filesystem::exists(path)) {
        return "(none)";
    }
    std::stringstream content;
    content << std::ifstream(path, std::ios::binary).rdbuf();
    return content.str();
}
