// The FTP window over two drives mapped onto temporary folders, with the main menu
// (a stand-in strip) loaded below it.
#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fs/drives.h"
#include "ftp/ftp_form.h"
#include "stand_in_forms.h"

class FtpWindow : public ::testing::Test {
protected:
    FtpWindow() {
        fs::set_drive_table(std::vector<fs::Drive>{
            {u"c:", u"", c_root.path().toStdString(), false},
            {u"d:", u"USB", d_root.path().toStdString(), true},
        });
        menu.Load();
        menu.setLeft(4980);
        menu.setTop(990);
        menu.setVisible(true);
    }
    ~FtpWindow() override {
        for (int k = ui::Forms::Count() - 1; k >= 0; --k) {
            ui::Forms::Item(k).Unload();
        }
        fs::set_drive_table(std::nullopt);
        // Byte for byte first: QTemporaryDir cannot remove a name that is not UTF-8.
        std::error_code ignored;
        std::filesystem::remove_all(c(), ignored);
        std::filesystem::remove_all(d(), ignored);
    }

    std::filesystem::path c() const { return c_root.path().toStdString(); }
    std::filesystem::path d() const { return d_root.path().toStdString(); }

    static void make_file(const std::filesystem::path& path) { std::ofstream(path) << "x"; }
    static void make_folder(const std::filesystem::path& path) {
        std::filesystem::create_directories(path);
    }

    // Every line of the local list, in list order.
    static std::vector<vb::String> lines() {
        std::vector<vb::String> result;
        for (int k = 0; k < ftp().lst_FILE->ListCount(); ++k) {
            result.push_back(ftp().lst_FILE->List(k));
        }
        return result;
    }

    // A user's double-click on line `k` of the local list, as the window system sends it:
    // a click, then the second press as a double-click.
    static void double_click_line(int k) {
        auto* list = ftp().lst_FILE;
        list->scrollTo(list->model()->index(k, 0));
        const QPoint centre = list->visualRect(list->model()->index(k, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
    }

    static vb::String caption() { return ftp().Frame1->Caption(); }

    QTemporaryDir c_root;
    QTemporaryDir d_root;
    StandInForm menu{u"Base", 2775, 255, nullptr};
};
