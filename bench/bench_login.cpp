// The login window's two costly paths: a log on among many stored accounts, end to end,
// and the refill of its sorted list from many access entries; each against the cheapest
// way to do the same work with SQLite and a QListView over a QStringListModel.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QListView>
#include <QStringListModel>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "accounts/logguer_form.h"
#include "data/module1.h"
#include "plain_sqlite.h"
#include "vb/fixed_text.h"
#include "windowed_benchmarks.h"

namespace bench {
vb::String& database_path_setting();
}

namespace {

// Filled to the login's width, as the tables store it.
std::string login_of(int i) {
    std::string login = "user" + std::to_string(i * 7919 % 100003);
    login.resize(50, ' ');
    return login;
}

// The account to log on is stored last.
std::filesystem::path database_with(int accounts) {
    return bench::database_with(accounts, [accounts](int i) {
        return i == accounts - 1 ? std::string("target") : login_of(i);
    });
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
    bench::run_windowed_benchmarks(argc, argv);
    return 0;
}
