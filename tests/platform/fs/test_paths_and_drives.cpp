#include <gtest/gtest.h>

#include "fs/drives.h"
#include "fs/mountinfo.h"
#include "fs/paths.h"

namespace {

TEST(Names, TextAndNativeBytesRoundTrip) {
    for (const std::string bytes :
         {"plain", "caf\xc3\xa9", "caf\xe9", "\xff\xfe", "\xf0\x9f\x98\x80", "\xf0\x90\x82\x80\xe9",
          "\xed\xa0\x80", "\xc0\xaf", "x\xe2\x82"}) {
        EXPECT_EQ(fs::name_to_native(fs::name_from_native(bytes)), bytes);
    }
    EXPECT_EQ(fs::name_from_native("caf\xc3\xa9"), u"caf\u00e9");
    EXPECT_EQ(fs::name_from_native("caf\xe9"), u"caf\xdce9");
}

// ASCII runs take a shorter way than the bytes around them; the result must not show it.
TEST(Names, AsciiBesideOtherBytesConvertsAsEachAlone) {
    const std::string mixed = std::string("ab\xc3\xa9") + "cd\xe9" + "ef";
    const std::u16string mixed_text = std::u16string(u"ab\u00e9cd\xdce9") + u"ef";
    EXPECT_EQ(fs::name_from_native(mixed), mixed_text);
    EXPECT_EQ(fs::name_to_native(mixed_text), mixed);
    EXPECT_EQ(fs::name_from_native("a\xf0\x9f\x98\x80z"), u"a\U0001F600z");
    EXPECT_EQ(fs::name_to_native(u"a\U0001F600z"), "a\xf0\x9f\x98\x80z");
    EXPECT_EQ(fs::name_from_native(std::string("\xff") + "abc"),
              std::u16string(u"\xdcff") + u"abc");
    EXPECT_EQ(fs::name_to_native(u"plain name.txt"), "plain name.txt");
    EXPECT_EQ(fs::name_from_native(""), u"");
    EXPECT_EQ(fs::name_to_native(u""), "");
}

TEST(Names, PathsMapTheDriveAndEachPart) {
    fs::set_drive_table(
        std::vector<fs::Drive>{{u"c:", u"", "/", false}, {u"d:", u"USB", "/media/ann/USB", true}});
    EXPECT_EQ(fs::native_path(u"c:"), "/");
    EXPECT_EQ(fs::native_path(u"c:\\home\\ann"), "/home/ann");
    EXPECT_EQ(fs::native_path(u"C:\\home"), "/home");
    EXPECT_EQ(fs::native_path(u"d:\\photos"), "/media/ann/USB/photos");
    fs::set_drive_table(std::nullopt);
}

TEST(Drives, TextShowsTheLabelInBrackets) {
    EXPECT_EQ(fs::drive_text({u"c:", u"", "/", false}), u"c:");
    EXPECT_EQ(fs::drive_text({u"e:", u"My Disk", "/mnt/x", false}), u"e: [My Disk]");
}

TEST(Drives, ThisMachineHasTheRootFileSystemAsC) {
    const auto drives = fs::drives();
    ASSERT_FALSE(drives.empty());
    EXPECT_EQ(drives[0].letter, u"c:");
    EXPECT_EQ(drives[0].root, "/");
}

TEST(Drives, TheCurrentDriveHoldsTheWorkingDirectory) {
    const auto here = std::filesystem::current_path();
    const std::vector<fs::Drive> drives{{u"c:", u"", "/", false},
                                        {u"d:", u"", here, false},
                                        {u"e:", u"", here / "elsewhere", false}};
    EXPECT_EQ(fs::current_drive_index(drives), 1);
    EXPECT_EQ(fs::current_drive_index({drives[0]}), 0);
}

const auto every_mount_a_folder = [](const std::string& point) { return point != "/etc/hosts"; };

std::vector<std::string> points(const std::vector<fs::Mount>& mounts) {
    std::vector<std::string> result;
    for (const auto& mount : mounts) {
        result.push_back(mount.mount_point);
    }
    return result;
}

TEST(Mountinfo, AContainerHasItsOverlayRootAloneAsADisk) {
    const char* table =
        "530 460 0:52 / / rw,relatime - overlay overlay rw,lowerdir=/l,upperdir=/u\n"
        "531 530 0:56 / /proc rw,nosuid - proc proc rw\n"
        "532 530 0:57 / /dev rw,nosuid - tmpfs tmpfs rw,size=65536k\n"
        "535 530 0:60 / /sys ro,nosuid - sysfs sysfs ro\n"
        "540 530 254:1 /docker/hosts /etc/hosts rw,relatime - ext4 /dev/vda1 rw\n"
        "541 530 0:61 / /dev/shm rw - tmpfs shm rw\n";
    EXPECT_EQ(points(fs::disk_mounts(table, every_mount_a_folder)),
              (std::vector<std::string>{"/"}));
}

TEST(Mountinfo, ADesktopHasItsPartitionsAndRemovableVolumesButNoShareInMountPointOrder) {
    const char* table =
        "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
        "23 22 0:5 / /proc rw - proc proc rw\n"
        "24 22 8:3 / /home rw,relatime shared:2 - ext4 /dev/sda3 rw\n"
        "25 22 0:24 / /run rw - tmpfs tmpfs rw\n"
        "26 25 0:40 / /run/user/1000 rw - tmpfs tmpfs rw\n"
        "27 22 8:17 / /media/ann/My\\040USB rw - vfat /dev/sdb1 rw\n"
        "28 22 0:41 / /mnt/share rw - nfs4 server:/export rw\n"
        "29 22 8:1 / /boot/efi rw - vfat /dev/sda1 rw\n"
        "30 22 0:50 / /tmp rw - tmpfs tmpfs rw\n";
    const auto mounts = fs::disk_mounts(table, every_mount_a_folder);
    EXPECT_EQ(points(mounts),
              (std::vector<std::string>{"/", "/boot/efi", "/home", "/media/ann/My USB"}));
    EXPECT_EQ(mounts[0].source, "/dev/sda2");
}

}  // namespace
