// Folders and drives as the runtime sees them: Dir listings and attributes over a scratch
// folder mapped as a drive, names kept byte for byte, and the drives read from mountinfo.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <set>

#include "platform/fs/attributes.h"
#include "platform/fs/dir_listing.h"
#include "platform/fs/drives.h"
#include "platform/fs/mountinfo.h"
#include "platform/fs/paths.h"
#include "run_time_error.h"

namespace {

namespace stdfs = std::filesystem;
using Names = std::multiset<vb::String>;
using test_support::error_number_of;

// A scratch folder mapped as drive c:, and a drive d: whose root is gone.
class Listing : public ::testing::Test {
protected:
    Listing() {
        fs::set_drive_table(std::vector<fs::Drive>{{u"c:", u"", root(), false},
                                                   {u"d:", u"", root() / "unplugged", true}});
    }
    // Removed byte for byte first: QTemporaryDir cannot remove a name that is not UTF-8.
    ~Listing() override {
        fs::set_drive_table(std::nullopt);
        std::error_code ignored;
        stdfs::remove_all(root(), ignored);
    }

    stdfs::path root() const { return folder.path().toStdString(); }

    static Names list(const vb::String& pattern, int attributes) {
        fs::DirListing listing;
        Names names;
        for (auto name = listing.Dir(pattern, attributes); !name.empty(); name = listing.Dir()) {
            names.insert(name);
        }
        return names;
    }

    QTemporaryDir folder;
};

TEST_F(Listing, ListsFoldersOnlyWhenAskedAndNeverHiddenOrSystemEntries) {
    const std::string latin1 = "caf\xe9";
    stdfs::create_directories(root() / latin1 / "sub");
    std::ofstream(root() / "file.txt") << "x";
    std::ofstream(root() / ".hidden") << "x";
    stdfs::create_directory(root() / ".config");
    stdfs::create_directory(root() / "back\\slash");
    ASSERT_EQ(mkfifo((root() / "pipe").c_str(), 0600), 0);  // opening it would block
    stdfs::create_symlink("/dev/null", root() / "device");
    stdfs::create_directory_symlink(root() / latin1, root() / "alias");
    stdfs::create_symlink(root() / "nowhere", root() / "dangling");
    const vb::String odd = fs::name_from_native(latin1);
    EXPECT_EQ(list(u"c:\\", fs::vbDirectory), (Names{u".", u"..", u"alias", odd, u"file.txt"}));
    EXPECT_EQ(list(u"c:\\*", fs::vbNormal), (Names{u"file.txt"}));
    EXPECT_EQ(list(u"c:\\f?le*.txt", fs::vbNormal), (Names{u"file.txt"}));
    EXPECT_EQ(list(u"c:\\*.doc", fs::vbNormal), Names{});
    EXPECT_EQ(list(u"c:\\alias\\", fs::vbDirectory), (Names{u".", u"..", u"sub"}));
    EXPECT_EQ(fs::GetAttr(u"c:\\file.txt"), fs::vbNormal);
    EXPECT_EQ(fs::GetAttr(u"c:\\" + odd + u"\\sub"), fs::vbDirectory);
    EXPECT_EQ(fs::GetAttr(u"c:\\alias"), fs::vbDirectory);
    EXPECT_EQ(fs::GetAttr(u"c:\\pipe") & fs::vbSystem, fs::vbSystem);
    EXPECT_EQ(fs::GetAttr(u"c:\\.config"), fs::vbDirectory | fs::vbHidden);
}

// The last folder listed is kept open for its attributes: a folder replaced or gone between
// two listings is read anew. A closed folder is checked where a user meets it.
TEST_F(Listing, FailuresRaiseTheRuntimeErrors) {
    stdfs::create_directory(root() / "brief");
    std::ofstream(root() / "brief" / "x") << "x";
    EXPECT_EQ(list(u"c:\\brief\\", fs::vbDirectory), (Names{u".", u"..", u"x"}));
    EXPECT_EQ(fs::GetAttr(u"c:\\brief\\x"), fs::vbNormal);
    stdfs::rename(root() / "brief", root() / "old");
    stdfs::create_directories(root() / "brief" / "x");
    EXPECT_EQ(list(u"c:\\brief\\", fs::vbDirectory), (Names{u".", u"..", u"x"}));
    EXPECT_EQ(fs::GetAttr(u"c:\\brief\\x"), fs::vbDirectory);
    stdfs::remove_all(root() / "brief");
    EXPECT_EQ(error_number_of([] { list(u"c:\\brief\\", fs::vbDirectory); }), vb::kPathNotFound);
    EXPECT_EQ(error_number_of([] { fs::GetAttr(u"c:\\brief\\x"); }), vb::kPathNotFound);
    EXPECT_EQ(error_number_of([] { fs::GetAttr(u"c:\\missing"); }), vb::kFileNotFound);
    EXPECT_EQ(error_number_of([] { list(u"d:\\", fs::vbDirectory); }), vb::kDeviceUnavailable);
    EXPECT_EQ(error_number_of([] { list(u"q:\\", fs::vbDirectory); }), vb::kDeviceUnavailable);
    EXPECT_EQ(error_number_of([] { fs::DirListing().Dir(); }), vb::kInvalidProcedureCall);
    EXPECT_EQ(error_number_of([] { fs::native_path(u"c:\\a/..\\b"); }), vb::kBadFileNameOrNumber);
}

TEST(Names, NativeBytesRoundTripAndPathsMapTheDrive) {
    for (const std::string bytes : {"plain", "caf\xc3\xa9", "\xff\xfe", "\xed\xa0\x80", "\xc0\xaf",
                                    "x\xe2\x82", "\xe9z\xc3\xa9", ""}) {
        EXPECT_EQ(fs::name_to_native(fs::name_from_native(bytes)), bytes);
    }
    EXPECT_EQ(fs::name_from_native("a\xf0\x9f\x98\x80\xe9"), u"a\U0001F600\xdce9");
    fs::set_drive_table(
        std::vector<fs::Drive>{{u"c:", u"", "/", false}, {u"d:", u"USB", "/media/ann/USB", true}});
    EXPECT_EQ(fs::native_path(u"c:"), "/");
    EXPECT_EQ(fs::native_path(u"C:\\home\\ann"), "/home/ann");
    EXPECT_EQ(fs::native_path(u"d:\\photos"), "/media/ann/USB/photos");
    fs::set_drive_table(std::nullopt);
}

TEST(Drives, TheCurrentDriveHoldsTheWorkingDirectory) {
    const auto here = stdfs::current_path();
    const std::vector<fs::Drive> drives{{u"c:", u"", "/", false},
                                        {u"d:", u"", here, false},
                                        {u"e:", u"My Disk", here / "elsewhere", false}};
    EXPECT_EQ(fs::current_drive_index(drives), 1);
    EXPECT_EQ(fs::drive_text(drives[2]), u"e: [My Disk]");
}

// Overlay root of a container, partitions and a removable volume of a desktop; no share.
TEST(Drives, MountinfoGivesTheDisksInMountPointOrder) {
    const char* table =
        "530 460 0:52 / / rw,relatime - overlay overlay rw,lowerdir=/l,upperdir=/u\n"
        "531 530 0:56 / /proc rw,nosuid - proc proc rw\n"
        "540 530 254:1 /docker/hosts /etc/hosts rw,relatime - ext4 /dev/vda1 rw\n"
        "24 22 8:3 / /home rw,relatime shared:2 - ext4 /dev/sda3 rw\n"
        "26 25 0:40 / /run/user/1000 rw - tmpfs tmpfs rw\n"
        "27 22 8:17 / /media/ann/My\\040USB rw - vfat /dev/sdb1 rw\n"
        "28 22 0:41 / /mnt/share rw - nfs4 server:/export rw\n"
        "29 22 8:1 / /boot/efi rw - vfat /dev/sda1 rw\n";
    const auto mounts =
        fs::disk_mounts(table, [](const std::string& p) { return p != "/etc/hosts"; });
    std::vector<std::string> points;
    for (const auto& mount : mounts) {
        points.push_back(mount.mount_point);
    }
    EXPECT_EQ(points, (std::vector<std::string>{"/", "/boot/efi", "/home", "/media/ann/My USB"}));
    EXPECT_EQ(mounts.at(2).source, "/dev/sda3");
}

}  // namespace
