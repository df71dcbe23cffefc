// The database file missing, broken, locked, protected or holding values the program cannot
// take, and folders that vanish or cannot be read under the FTP window's browser: each ends
// the program with its report and leaves the database as it was; killed while it writes, it
// leaves the file sound. The program runs in a child process, as an unprivileged user where
// the tests run as root, so that permissions bind it.
#include <gmock/gmock.h>
#include <grp.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QTest>

#include <csignal>
#include <fstream>
#include <functional>

#include "accounts/confirme_form.h"
#include "accounts/logguer_form.h"
#include "app/startup.h"
#include "data/schema.h"
#include "ftp/ftp_form.h"
#include "platform/fs/drives.h"
#include "scratch_database.h"
#include "shell/base.h"

namespace {

using test_support::filled;
namespace files = std::filesystem;

// A database with its index of logins, an account and rows of the public entry, which are
// read at start, beside two folders for the browser.
struct Scene {
    Scene() {
        db.exec(std::string(data::login_index_sql()));  // as guichet-db makes the file
        db.exec("INSERT INTO compte VALUES ('" + filled("ann") + "','pw');");
        db.exec("INSERT INTO acceder VALUES ('" + filled(" Public") + "','" + filled("ann") +
                "',1,1);");
        db.exec("INSERT INTO ftp VALUES ('" + filled(" Public") + "','u','host','m',21,'site');");
        db.exec("INSERT INTO contact VALUES ('" + filled(" Public") + "',1,'n','p','a','1','v');");
        files::create_directories(db.folder() / "gone");
        files::create_directory(db.folder() / "closed");
        files::permissions(db.folder() / "closed", files::perms::none);
    }
    ~Scene() { sqlite3_close(holder); }

    std::string bytes() const { return test_support::bytes_of(db.path()); }
    void write(const std::string& content) const {
        std::ofstream(db.path(), std::ios::binary | std::ios::trunc) << content;
    }

    test_support::ScratchDatabase db;
    sqlite3* holder = nullptr;  // another program's hold on the file
};

void press(QWidget* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

// "New User", confirmed; `meanwhile` runs while the Confirm dialog is up.
void create(
    const vb::String& login, const vb::String& password,
    const std::function<void()>& meanwhile = [] {}) {
    ui::set_modal_hook([&](ui::Form&) {
        meanwhile();
        Confirme().Text1->setText(password);
        press(Confirme().Command1);
    });
    logguer().txt_psd->setText(login);
    logguer().txt_pwd->setText(password);
    press(logguer().btn_NU);
}

// A double-click on the line of the folder `name` of the FTP window's list.
void enter(const char* name) {
    ui::ListBox& list = *ftp().lst_FILE;
    int row = 0;
    while (row < list.ListCount() && list.List(row) != u"  " + vb::from_utf8(name)) {
        ++row;
    }
    const QPoint at = list.visualRect(list.model()->index(row, 0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

// The program started in a child process as the unprivileged user and driven by `act` ends
// with `report` as the last thing it says.
void expect_report(Scene& scene, const std::function<void(Scene&)>& act,
                   const std::string& report) {
    std::error_code absent;
    if (geteuid() == 0) {
        for (const auto& entry : files::recursive_directory_iterator(scene.db.folder(), absent)) {
            ::lchown(entry.path().c_str(), 65534, 65534);
        }
        ::lchown(scene.db.folder().c_str(), 65534, 65534);
    }
    EXPECT_EXIT(
        {
            const bool root = geteuid() == 0;
            if (chdir("/") != 0 ||  // on drive c:
                (root &&
                 (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0))) {
                std::_Exit(125);
            }
            app::open_main_menu();
            act(scene);
            // Not ended: what the window shows instead.
            std::fputs(vb::to_utf8(logguer().lbl_LOA->Caption()).c_str(), stderr);
            std::_Exit(0);
        },
        ::testing::ExitedWithCode(1),
        ::testing::AllOf(::testing::EndsWith(report),
                         ::testing::Not(::testing::HasSubstr("runtime error:"))));
}

std::string report(const std::string& number, const std::string& description) {
    return "Run-time error '" + number + "':\n\n" + description + "\n";
}

struct Fault {
    std::function<void(Scene&)> arrange;
    std::function<void(Scene&)> act;
    std::string report;  // "{}" stands for the database's folder
};

auto sql(std::string statement) {
    return [statement](Scene& scene) { scene.db.exec(statement); };
}
void start(Scene&) {}
void log_on_ann(Scene&) {
    press(base().btn_logger);
    logguer().txt_psd->setText(u"ann");
    logguer().txt_pwd->setText(u"pw");
    press(logguer().btn_logguer);
}
void new_user(Scene&) {
    press(base().btn_logger);
    create(u"zed", u"pw");
}

// The FTP window on the scene's folder as drive c: (not on /, whose /tmp changes as other
// tests run), then into `name`, which another program may remove first.
auto browse_into(const char* name, bool removed) {
    return [=](Scene& s) {
        fs::set_drive_table(std::vector<fs::Drive>{{u"c:", u"", s.db.folder().string(), false}});
        press(base().btn_ftp);
        if (removed) {
            files::remove_all(s.db.folder() / name);
        }
        enter(name);
    };
}

const std::string kGeneralFailure = "-2147467259 (80004005)";
const std::string kRefused = "-2147217900 (80040e14)";
const std::string kNull = report("94", "Invalid use of Null");
const std::string kOverflow = report("6", "Overflow");
const std::string kNotFound = report("76", "Path not found");
const std::string kUnrecognized =
    report(kGeneralFailure, "Unrecognized database format '{}/bdd.mdb'.");
const std::string kDuplicateInIndex =
    "The changes you requested to the table were not successful because they would create "
    "duplicate values in the index, primary key, or relationship. Change the data in the field "
    "or fields that contain duplicate data, remove the index, or redefine the index to permit "
    "duplicate entries and try again.";
const std::string kReadOnly =
    report(kGeneralFailure,
           "Operation must use an updateable query. (attempt to write a readonly database)");

const Fault kFaults[] = {
    {[](Scene& s) { files::remove(s.db.path()); }, start,  // and not made anew
     report(kGeneralFailure, "Could not find file '{}/bdd.mdb'.")},
    {[](Scene& s) { s.write(""); }, start, kUnrecognized},
    {[](Scene& s) { s.write(s.bytes().substr(0, 1500)); }, start, kUnrecognized},
    {sql("ALTER TABLE compte DROP COLUMN pwd;"), log_on_ann,
     report(kRefused, "no such column: pwd")},
    {sql("DROP TABLE contact;"), start, report(kRefused, "no such table: contact")},
    {sql("UPDATE compte SET pwd = NULL;"), log_on_ann, kNull},
    {sql("UPDATE acceder SET ftpa = NULL;"), start, kNull},
    {sql("UPDATE ftp SET port = NULL;"), start, kNull},
    {sql("UPDATE contact SET ville = NULL;"), start, kNull},
    {sql("UPDATE ftp SET port = 32768;"), start, kOverflow},
    {sql("UPDATE contact SET num = -32769;"), start, kOverflow},
    {sql("UPDATE ftp SET port = 1e10;"), start, kOverflow},
    {sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 32767) "
         "INSERT INTO compte SELECT 'user' || i, 'pw' FROM n;"),  // 32768 accounts
     log_on_ann, kOverflow},
    {[](Scene& s) {
         sqlite3_open(s.db.path().c_str(), &s.holder);
         sqlite3_exec(s.holder, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr);
     },
     start, report(kGeneralFailure, "Could not use '{}/bdd.mdb'; file already in use.")},
    {[](Scene& s) { files::permissions(s.db.path(), files::perms::owner_read); }, new_user,
     kReadOnly},
    {[](Scene& s) {
         files::permissions(s.db.folder(), files::perms::owner_read | files::perms::owner_exec);
     },
     new_user, kReadOnly},
    {start, browse_into("gone", true), kNotFound},
    {start, browse_into("closed", false), kNotFound},
};

TEST(DatabaseFaults, EachEndsTheProgramWithItsReportAndLeavesTheFileAsItWas) {
    for (const Fault& fault : kFaults) {
        Scene scene;
        // Closing any descriptor of the file drops the holder's lock: read it before.
        std::string before = scene.bytes();
        fault.arrange(scene);
        if (scene.holder == nullptr) {
            before = scene.bytes();
        }
        std::string expected = fault.report;
        if (const auto brace = expected.find("{}"); brace != std::string::npos) {
            expected.replace(brace, 2, scene.db.folder().string());
        }
        SCOPED_TRACE(expected);
        const bool existed = files::exists(scene.db.path());
        expect_report(scene, fault.act, expected);
        EXPECT_EQ(files::exists(scene.db.path()), existed);
        EXPECT_EQ(scene.bytes(), before);
    }
}

// Two people at two programs creating the same login at once both pass the program's own
// check; the database, as guichet-db makes it, keeps the row confirmed first.
TEST(DatabaseFaults, TheSameLoginMadeAtOnceEndsTheProgramThatConfirmsSecond) {
    Scene scene;
    const std::string other = "INSERT INTO compte VALUES ('" + filled("dana") + "','second');";
    expect_report(
        scene,
        [&](Scene& s) {
            press(base().btn_logger);
            create(u"dana", u"first", [&] { s.db.exec(other); });
        },
        report(kGeneralFailure, kDuplicateInIndex));
    const std::string rows = scene.db.dump();
    EXPECT_NE(rows.find(filled("dana") + "'|'second'"), std::string::npos);
    EXPECT_EQ(rows.find("first"), std::string::npos);
}

// From here on, SQLite's `count`th write to a database or journal file kills the process
// before it is made, as a kill from outside would at that instant.
void kill_at_write(int count) {
    static int writes_left = 0;
    writes_left = count;
    const auto write_or_die = +[](int file, const void* data, size_t size, off_t at) {
        if (--writes_left == 0) {
            std::raise(SIGKILL);
        }
        return ::pwrite64(file, data, size, at);
    };
    sqlite3_vfs* files = sqlite3_vfs_find(nullptr);
    files->xSetSystemCall(files, "pwrite64", reinterpret_cast<sqlite3_syscall_ptr>(write_or_die));
}

// New users confirmed one after another, the program killed at each write of their rows and
// journals in turn: the file is sound and holds the accounts made before, each whole, in order.
TEST(DatabaseFaults, AKillInTheMiddleOfAWriteLeavesTheAccountsMadeBeforeWhole) {
    for (int at = 1; at <= 42 && !HasFailure(); ++at) {  // the writes of three accounts
        Scene scene;
        SCOPED_TRACE("killed before write " + std::to_string(at));
        EXPECT_EXIT(
            {
                ::alarm(5);  // a program that hangs ends by another signal
                kill_at_write(at);
                app::open_main_menu();
                press(base().btn_logger);
                for (char16_t i = u'a';; ++i) {
                    create(vb::String(u"u") + i, vb::String(u"p") + i);
                }
            },
            ::testing::KilledBySignal(SIGKILL), "");
        // Opened, the file is rolled back from its journal; each line of SQLite's check is "ok".
        ASSERT_NO_THROW(
            scene.db.exec("CREATE TEMP TABLE sound (line CHECK (line = 'ok')); "
                          "INSERT INTO sound SELECT * FROM pragma_integrity_check;"));
        const std::string rows = scene.db.dump();
        std::string made = "[compte]\n'" + filled("ann") + "'|'pw'\n";
        for (char i = 'a'; i <= 'z' && !rows.starts_with(made + "[acceder]"); ++i) {
            made += "'" + filled(std::string("u") + i) + "'|'p" + i + "'\n";
        }
        EXPECT_TRUE(rows.starts_with(made + "[acceder]")) << rows;
    }
}

}  // namespace
