// A fresh database file in a folder of its own for one test, with the four tables, made
// the database the program reads; removed with everything in its folder afterwards.
#pragma once

#include <filesystem>
#include <string>

namespace test_support {

class ScratchDatabase final {
public:
    // With `tables` false the file exists but holds no table.
    explicit ScratchDatabase(bool tables = true);
    ~ScratchDatabase();
    ScratchDatabase(const ScratchDatabase&) = delete;
    ScratchDatabase& operator=(const ScratchDatabase&) = delete;

    const std::filesystem::path& path() const { return path_; }
    const std::filesystem::path& folder() const { return folder_; }

    // Runs SQL directly on the file, outside the program's layers.
    void exec(const std::string& sql) const;
    // Every row of every table, one line each, in table and row order.
    std::string dump() const;

private:
    std::filesystem::path folder_;
    std::filesystem::path path_;
};

// What the file holds, or "(none)" where there is no file.
std::string bytes_of(const std::filesystem::path& path);

// The login filled with blanks to 50 characters, as the tables store it (UTF-8).
std::string filled(const std::string& login, std::size_t width = 50);

// Points the program's database path at `path` (the test executables' stand-in unit).
void use_database(const std::filesystem::path& path);

}  // namespace test_support
