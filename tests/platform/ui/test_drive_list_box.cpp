#include <gtest/gtest.h>

#include <QTest>

#include "ui/drive_list_box.h"
#include "vb/runtime_error.h"

namespace {

class DriveList : public ::testing::Test {
protected:
    DriveList() {
        const auto here = std::filesystem::current_path();
        fs::set_drive_table(std::vector<fs::Drive>{{u"c:", u"", "/", false},
                                                   {u"d:", u"Data", here, false},
                                                   {u"e:", u"", here / "none", true}});
    }
    ~DriveList() override { fs::set_drive_table(std::nullopt); }
};

TEST_F(DriveList, ListsTheDrivesWithTheWorkingDirectorysDriveCurrent) {
    ui::DriveListBox drive(nullptr);
    ASSERT_EQ(drive.ListCount(), 3);
    EXPECT_EQ(drive.List(0), u"c:");
    EXPECT_EQ(drive.List(1), u"d: [Data]");
    EXPECT_EQ(drive.List(3), u"");
    EXPECT_EQ(drive.Drive(), u"d: [Data]");
    EXPECT_EQ(drive.ListIndex(), 1);
}

TEST_F(DriveList, ChangeRunsWhenTheCurrentDriveChangesOnly) {
    ui::DriveListBox drive(nullptr);
    int changes = 0;
    drive.onChange([&] { ++changes; });
    drive.setListIndex(2);
    EXPECT_EQ(drive.Drive(), u"e:");
    drive.setDrive(u"C:");
    EXPECT_EQ(drive.Drive(), u"c:");
    drive.setDrive(u"c:");
    EXPECT_EQ(changes, 2);
    try {
        drive.setDrive(u"q:");
        FAIL();
    } catch (const vb::RuntimeError& error) {
        EXPECT_EQ(error.number(), vb::kDeviceUnavailable);
    }
}

}  // namespace
