#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTemporaryDir>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

#include "fs/attributes.h"
#include "fs/dir_listing.h"
#include "fs/drives.h"
#include "fs/paths.h"
#include "vb/runtime_error.h"

namespace {

namespace stdfs = std::filesystem;
using Names = std::multiset<vb::String>;

// A temporary folder mapped as drive c:, and a drive d: whose root is gone.
class Listing : public ::testing::Test {
protected:
    Listing() {
        fs::set_drive_table(std::vector<fs::Drive>{{u"c:", u"", root(), false},
                                                   {u"d:", u"", root() / "unplugged", true}});
    }
    // The tree goes byte for byte first: QTemporaryDir cannot remove a name that is not UTF-8.
    ~Listing() override {
        fs::set_drive_table(std::nullopt);
        std::error_code ignored;
        stdfs::remove_all(root(), ignored);
    }

    stdfs::path root() const { return folder.path().toStdString(); }
    static void make_file(const stdfs::path& path) { std::ofstream(path) << "x"; }

    static Names list(const vb::String& pattern, int attributes) {
        fs::DirListing listing;
        Names names;
        for (auto name = listing.Dir(pattern, attributes); !name.empty(); name = listing.Dir()) {
            names.insert(name);
        }
        return names;
    }

    static int error_of(const std::function<void()>& action) {
        try {
            action();
        } catch (const vb::RuntimeError& error) {
            return error.number();
        }
        return 0;
    }

    QTemporaryDir folder;
};

TEST_F(Listing, TheFolderOptionListsFoldersFilesAndTheDotEntries) {
    stdfs::create_directory(root() / "sub");
    make_file(root() / "file.txt");
    EXPECT_EQ(list(u"c:\\", fs::vbDirectory), (Names{u".", u"..", u"file.txt", u"sub"}));
    EXPECT_EQ(list(u"c:\\*", fs::vbNormal), (Names{u"file.txt"}));
    EXPECT_EQ(list(u"c:\\*.txt", fs::vbNormal), (Names{u"file.txt"}));
    EXPECT_EQ(list(u"c:\\f?le*", fs::vbNormal), (Names{u"file.txt"}));
    EXPECT_EQ(list(u"c:\\*.doc", fs::vbNormal), Names{});
}

TEST_F(Listing, HiddenAndSystemEntriesAreNeverListed) {
    make_file(root() / ".hidden");
    stdfs::create_directory(root() / ".config");
    ASSERT_EQ(mkfifo((root() / "pipe").c_str(), 0600), 0);  // opening it would block
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socket_path = (root() / "sock").string();
    ASSERT_LT(socket_path.size(), sizeof(address.sun_path));
    std::copy(socket_path.begin(), socket_path.end(), address.sun_path);
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    stdfs::create_symlink("/dev/null", root() / "device");
    EXPECT_EQ(list(u"c:\\", fs::vbDirectory), (Names{u".", u".."}));
    EXPECT_EQ(list(u"c:\\*", fs::vbNormal), Names{});
    EXPECT_EQ(fs::GetAttr(u"c:\\pipe") & fs::vbSystem, fs::vbSystem);
    EXPECT_EQ(fs::GetAttr(u"c:\\.config"), fs::vbDirectory | fs::vbHidden);
    close(sock);
}

TEST_F(Listing, LinksAreFollowedAndADanglingOneIsNotListed) {
    stdfs::create_directory(root() / "real");
    stdfs::create_directory_symlink(root() / "real", root() / "alias");
    make_file(root() / "real" / "inside");
    stdfs::create_symlink(root() / "nowhere", root() / "dangling");
    EXPECT_EQ(list(u"c:\\", fs::vbDirectory), (Names{u".", u"..", u"alias", u"real"}));
    EXPECT_EQ(fs::GetAttr(u"c:\\alias"), fs::vbDirectory);
    EXPECT_EQ(list(u"c:\\alias\\", fs::vbNormal), (Names{u"inside"}));
}

TEST_F(Listing, OddNamesRoundTripByteForByteOrAreSkipped) {
    const std::string latin1 = "caf\xe9";
    stdfs::create_directory(root() / latin1);
    make_file(root() / latin1 / "x");
    stdfs::create_directory(root() / "back\\slash");
    const Names names = list(u"c:\\", fs::vbDirectory);
    ASSERT_EQ(names.size(), 3u);  // ".", ".." and the Latin-1 folder; not the backslash one
    const vb::String odd = *std::find_if(
        names.begin(), names.end(), [](const vb::String& n) { return n != u"." && n != u".."; });
    EXPECT_EQ(fs::name_to_native(odd), latin1);
    EXPECT_EQ(fs::native_path(u"c:\\" + odd), root() / latin1);
    EXPECT_EQ(fs::GetAttr(u"c:\\" + odd), fs::vbDirectory);
    EXPECT_EQ(list(u"c:\\" + odd + u"\\", fs::vbNormal), (Names{u"x"}));
}

TEST_F(Listing, FailuresRaiseTheRuntimeErrors) {
    EXPECT_EQ(error_of([] { list(u"c:\\gone\\", fs::vbDirectory); }), vb::kPathNotFound);
    EXPECT_EQ(error_of([] { fs::GetAttr(u"c:\\gone\\x"); }), vb::kPathNotFound);
    EXPECT_EQ(error_of([] { fs::GetAttr(u"c:\\missing"); }), vb::kFileNotFound);
    EXPECT_EQ(error_of([] { list(u"d:\\", fs::vbDirectory); }), vb::kDeviceUnavailable);
    EXPECT_EQ(error_of([] { list(u"q:\\", fs::vbDirectory); }), vb::kDeviceUnavailable);
    EXPECT_EQ(error_of([] { fs::DirListing().Dir(); }), vb::kInvalidProcedureCall);
    EXPECT_EQ(error_of([] { fs::native_path(u"c:\\a/..\\b"); }), vb::kBadFileNameOrNumber);
    if (geteuid() != 0) {  // root reads any folder
        stdfs::create_directory(root() / "locked");
        stdfs::permissions(root() / "locked", stdfs::perms::none);
        EXPECT_EQ(error_of([] { list(u"c:\\locked\\", fs::vbDirectory); }), vb::kPathNotFound);
        stdfs::permissions(root() / "locked", stdfs::perms::owner_all);
    }
}

TEST_F(Listing, AFolderThatVanishesBetweenTwoListingsIsPathNotFound) {
    stdfs::create_directory(root() / "brief");
    EXPECT_EQ(list(u"c:\\brief\\", fs::vbDirectory), (Names{u".", u".."}));
    stdfs::remove(root() / "brief");
    EXPECT_EQ(error_of([] { list(u"c:\\brief\\", fs::vbDirectory); }), vb::kPathNotFound);
}

TEST_F(Listing, AttributesFollowAFolderReplacedBetweenTwoListings) {
    stdfs::create_directory(root() / "a");
    make_file(root() / "a" / "x");
    EXPECT_EQ(list(u"c:\\a\\", fs::vbDirectory), (Names{u".", u"..", u"x"}));
    EXPECT_EQ(fs::GetAttr(u"c:\\a\\x"), fs::vbNormal);
    stdfs::rename(root() / "a", root() / "old");
    stdfs::create_directories(root() / "a" / "x");
    EXPECT_EQ(list(u"c:\\a\\", fs::vbDirectory), (Names{u".", u"..", u"x"}));
    EXPECT_EQ(fs::GetAttr(u"c:\\a\\x"), fs::vbDirectory);
}

}  // namespace
