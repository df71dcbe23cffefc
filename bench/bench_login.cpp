// The login window's two costly paths: a log on among many stored accounts, end to end,
// and the refill of its sorted list from many access entries; each against the cheapest
// way to do the same work with SQLite and a QListView over a QStringListModel.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QListView>
#include <QStringListModel>

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "accounts/logguer_form.h"
#include "data/module1.h"
#include "plain_sqlite.h"
#include "ui/application.h"
#include "vb/fixed_text.h"

namespace bench {
vb::String& database_path_setting();
}

namespace {

std::string login_of(int i) {
    std::string login = "user" + std::to_string(i * 7919 % 100003);
    login.resize(50, ' ');
    return login;
}

// `accounts` accounts, the one to log on stored last, and empty tables of rights.
std::filesystem::path database_with(int accounts) {
    static std::map<int, std::filesystem::path> made;
    if (auto found = made.find(accounts); found != made.end()) {
        return found->second;
    }
    std::string folder = (std::filesystem::temp_directory_path() / "guichet-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) {
        std::abort();
    }
    const auto path = std::filesystem::path(folder) / "bdd.mdb";
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_exec(db,
                 "CREATE TABLE compte (loggin TEXT, pwd TEXT);"
                 "CREATE TABLE acceder (loggin TEXT, psd TEXT, ftpa BOOLEAN, contacta BOOLEAN);"
                 "CREATE TABLE ftp (loggin TEXT, log TEXT, adress TEXT, mdp TEXT, port INTEGER, "
                 "nom TEXT);"
                 "CREATE TABLE contact (loggin TEXT, num INTEGER, nom TEXT, prenom TEXT, "
                 "adress TEXT, cp TEXT, ville TEXT); BEGIN;",
                 nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db, "INSERT INTO compte VALUES (?, ?)", -1, &insert, nullptr);
    for (int i = 0; i < accounts; ++i) {
        const std::string login = i == accounts - 1 ? std::string("target") : login_of(i);
        const std::string password = "password" + std::to_string(i);
        sqlite3_bind_text(insert, 1, login.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(insert, 2, password.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "COMMIT;", nullptr, nullptr, nullptr);
    sqlite3_close(db);
    return made[accounts] = path;
}

void log_on_public_only() {
    using namespace Module1;
    nb_connectes = 1;
    connectes.redim_preserve(1);
    connectes[0] = Compte{u" Public", u" "};
    nb_acces = 0;
}

void BM_btn_logguer_Click(benchmark::State& state) {
    const int accounts = int(state.range(0));
    bench::database_path_setting() = vb::from_utf8(database_with(accounts).string());
    const vb::String password = vb::from_utf8("password" + std::to_string(accounts - 1));
    logguer().Load();
    for (auto _ : state) {
        log_on_public_only();
        logguer().txt_psd->setText(u"target");
        logguer().txt_pwd->setText(password);
        logguer().btn_logguer_Click();
        QCoreApplication::processEvents();  // the list's layout and painting
    }
    if (Module1::nb_connectes != 2) {
        state.SkipWithError("the account was not logged on");
    }
    logguer().Unload();
    QCoreApplication::processEvents();
}

// A view of the login list's size, shown, over a model that a baseline fills in one call.
struct ModelView {
    ModelView() {
        view.setModel(&model);
        view.resize(153, 251);
        view.setUniformItemSizes(true);
        view.show();
    }
    QListView view;
    QStringListModel model;
};

void BM_plain_read_and_model(benchmark::State& state) {
    const auto path = database_with(int(state.range(0)));
    std::vector<bench::FixedRecord> records;
    ModelView shown;
    for (auto _ : state) {
        bench::read_accounts(path, records);
        benchmark::DoNotOptimize(records.data());
        shown.model.setStringList(
            {QString(" Public").leftJustified(50), QString("target").leftJustified(50)});
        QCoreApplication::processEvents();
    }
}

void fill_access_entries(int entries) {
    using namespace Module1;
    log_on_public_only();
    for (int i = 0; i < entries; ++i) {
        nb_acces += 1;
        acces.redim_preserve(nb_acces);
        acces[nb_acces - 1].psd = vb::from_utf8(login_of(i));
    }
}

void BM_remplir_liste(benchmark::State& state) {
    fill_access_entries(int(state.range(0)));
    logguer().Load();
    for (auto _ : state) {
        logguer().remplir_liste();
        QCoreApplication::processEvents();
    }
    logguer().Unload();
    QCoreApplication::processEvents();
}

void BM_sort_and_model(benchmark::State& state) {
    QStringList texts{QString(" Public").leftJustified(50)};
    for (int i = 0; i < int(state.range(0)); ++i) {
        texts.push_back(QString::fromStdString(login_of(i)));
    }
    ModelView shown;
    for (auto _ : state) {
        QStringList sorted = texts;
        std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        shown.model.setStringList(sorted);
        QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_btn_logguer_Click)->Arg(1000)->Arg(10000)->Arg(32000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_plain_read_and_model)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(32000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_remplir_liste)->Arg(1000)->Arg(10000)->Arg(32000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_sort_and_model)->Arg(1000)->Arg(10000)->Arg(32000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    ui::Application application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
