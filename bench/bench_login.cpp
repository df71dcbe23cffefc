// The login window's two costly paths: a log on among many stored accounts, end to end,
// and the refill of its sorted list from many access entries; each against the same work
// done plainly with SQLite and a QListView over a QStringListModel.
// The public entry and the account logged on have one right each, with a site and a contact,
// so that the log on runs every statement it may run.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>

#include <algorithm>
#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "accounts/logguer_form.h"
#include "data/module1.h"
#include "plain_log_on.h"
#include "plain_sqlite.h"
#include "platform/ui/application.h"
#include "platform/vb/fixed_text.h"
#include "windowed_benchmarks.h"

namespace bench {
vb::String& database_path_setting();
}

namespace {

// Filled to the login's width, as the tables store it.
std::string filled(std::string login) {
    login.resize(50, ' ');
    return login;
}

std::string login_of(int i) {
    return filled("user" + std::to_string(i * 7919 % 100003));
}

// The account to log on is stored last.
std::filesystem::path database_with(int accounts) {
    return bench::database_with(
        accounts,
        [accounts](int i) { return i == accounts - 1 ? std::string("target") : login_of(i); },
        {filled(" Public"), filled("target")});
}

void log_on_public_only() {
    using namespace Module1;
    nb_connectes = 1;
    connectes.redim_preserve(1);
    connectes[0] = Compte{u" Public", u" "};
    nb_acces = 0;
}

// Straight into the editor, as a person types: the text is on the screen before the click.
void type_into(ui::TextBox* box, const vb::String& text) {
    static_cast<QLineEdit*>(box->editor())->setText(QString::fromStdU16String(text));
}

void BM_btn_logguer_Click(benchmark::State& state) {
    const int accounts = int(state.range(0));
    bench::database_path_setting() = vb::from_utf8(database_with(accounts).string());
    const vb::String password = vb::from_utf8("password" + std::to_string(accounts - 1));
    logguer().Load();
    for (auto _ : state) {
        // The log on starts at the click: what typing sends a screen reader is not its work.
        state.PauseTiming();
        log_on_public_only();
        type_into(logguer().txt_psd, u"target");
        type_into(logguer().txt_pwd, password);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        ui::guarded([] { logguer().btn_logguer_Click(); });  // as a click runs it
        QCoreApplication::processEvents();                   // the list's layout and painting
    }
    if (!static_cast<QLineEdit*>(logguer().txt_psd->editor())->text().isEmpty()) {
        state.SkipWithError("the login box was not emptied");
    } else if (Module1::nb_connectes != 2) {
        state.SkipWithError("the account was not logged on");
    } else if (Module1::nb_acces != 2 || Module1::nb_sites != 2 || Module1::nb_contacts != 2) {
        state.SkipWithError("the rights of the accounts were not read");
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

template <std::size_t N>
void copy_text(std::array<char16_t, N>& field, const QString& text) {
    const auto length = std::min<std::size_t>(N, std::size_t(text.size()));
    std::copy_n(reinterpret_cast<const char16_t*>(text.utf16()), length, field.begin());
    std::fill(field.begin() + std::ptrdiff_t(length), field.end(), u' ');
}

QString text_of(const bench::Login& login) {
    return QString(reinterpret_cast<const QChar*>(login.data()), qsizetype(login.size()));
}

QStringList sorted_list(const bench::LogOnTables& tables) {
    QStringList texts;
    for (const auto& login : tables.logged_on) {
        texts.push_back(text_of(login));
    }
    for (const auto& right : tables.rights) {
        texts.push_back(text_of(right.psd));
    }
    std::stable_sort(texts.begin(), texts.end(), [](const QString& a, const QString& b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return texts;
}

void BM_plain_log_on_and_model(benchmark::State& state) {
    const int accounts = int(state.range(0));
    const auto path = database_with(accounts);
    bench::FixedRecord typed{};
    copy_text(typed.loggin, QStringLiteral("target"));
    copy_text(typed.pwd, QString::fromStdString("password" + std::to_string(accounts - 1)));
    bench::Login public_entry{};
    copy_text(public_entry, QStringLiteral(" Public"));
    bench::LogOnTables tables;
    ModelView shown;
    for (auto _ : state) {
        tables.logged_on.assign(1, public_entry);
        if (!bench::log_on(path, typed, tables)) {
            state.SkipWithError("the account was not logged on");
            break;
        }
        shown.model.setStringList(sorted_list(tables));
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
BENCHMARK(BM_plain_log_on_and_model)
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
