// The FTP window's browser among folders that vanish or cannot be read, and among entries
// that are neither folders nor files: the report, or a listing that leaves them out.
#include <sys/socket.h>
#include <sys/un.h>

#include <QTemporaryDir>

#include "driven_program.h"
#include "scratch_database.h"

namespace {

class FolderFaults : public ::testing::Test {
protected:
    FolderFaults() {
        std::filesystem::permissions(root.path().toStdString(), std::filesystem::perms::owner_all);
        faults::give_away(db.folder());
    }

    // The steps that open the FTP window and walk from c:\ down to the scratch folder.
    std::vector<std::string> walk_to(const std::filesystem::path& folder) const {
        std::vector<std::string> steps{"ftp"};
        for (const auto& part : folder.relative_path()) {
            steps.insert(steps.end(), {"enter", part.string()});
        }
        return steps;
    }

    std::filesystem::path folder(const std::string& name) const {
        const auto path = std::filesystem::path(root.path().toStdString()) / name;
        std::filesystem::create_directory(path);
        return path;
    }

    test_support::ScratchDatabase db;
    QTemporaryDir root{QDir::tempPath() + "/guichet-folders-XXXXXX"};
};

TEST_F(FolderFaults, AFolderThatVanishesBeforeTheDoubleClickIsNotFound) {
    const auto gone = folder("gone");
    faults::give_away(root.path().toStdString());
    auto steps = walk_to(root.path().toStdString());
    steps.insert(steps.end(), {"remove", gone.string(), "enter", "gone"});
    faults::expect_report(faults::run(db.path(), steps), "76", "Path not found");
}

TEST_F(FolderFaults, AFolderThatCannotBeReadIsNotFound) {
    const auto closed = folder("closed");
    faults::give_away(root.path().toStdString());
    std::filesystem::permissions(closed, std::filesystem::perms::none);
    auto steps = walk_to(root.path().toStdString());
    steps.insert(steps.end(), {"enter", "closed"});
    faults::expect_report(faults::run(db.path(), steps), "76", "Path not found");
}

TEST_F(FolderFaults, LinksThatLeadNowhereFifosAndSocketsAreNeitherOpenedNorListed) {
    const std::filesystem::path inside = folder("inside");
    folder("inside/sub");
    std::ofstream(inside / "file.txt") << "x";
    std::filesystem::create_symlink(inside / "nowhere", inside / "dangling");
    ASSERT_EQ(mkfifo((inside / "fifo").c_str(), 0666), 0);
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socket_path = (inside / "socket").string();
    ASSERT_LT(socket_path.size(), sizeof(address.sun_path));
    socket_path.copy(address.sun_path, socket_path.size());
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    faults::give_away(root.path().toStdString());

    auto steps = walk_to(inside);
    steps.push_back("files");
    const auto outcome = faults::run(db.path(), steps);
    close(listener);
    faults::expect_success(outcome);
    const std::string listing = outcome.out.substr(outcome.out.find("files:"));
    EXPECT_EQ(listing, "files:    \\..\nfiles:   sub\nfiles:     file.txt\n");
}

}  // namespace
