// Reading and showing a folder: the FTP window's two procedures against the cheapest way to
// do the same work, two readdir passes with one stat per entry of the first, and the same
// lines shown in a QListView over a QStringListModel in one call.
#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QListView>
#include <QStringListModel>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "ftp/ftp_form.h"
#include "platform/fs/drives.h"
#include "windowed_benchmarks.h"

namespace {

// A temporary folder mapped as drive c:, removed at the end of the run.
const std::filesystem::path& drive_root() {
    static const std::filesystem::path root = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "guichet-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        fs::set_drive_table(std::vector<fs::Drive>{{u"c:", u"", pattern, false}});
        return std::filesystem::path(pattern);
    }();
    return root;
}

// A folder of `entries` entries, one in ten a folder, on drive c:.
std::filesystem::path folder_with(int entries) {
    const auto folder = drive_root() / std::to_string(entries);
    if (!std::filesystem::exists(folder)) {
        std::filesystem::create_directory(folder);
        for (int k = 0; k < entries; ++k) {
            const auto entry = folder / ("entry number " + std::to_string(k));
            if (k % 10 == 0) {
                std::filesystem::create_directory(entry);
            } else {
                std::ofstream(entry).put('x');
            }
        }
    }
    return folder;
}

void BM_lire_afficher(benchmark::State& state) {
    const int entries = int(state.range(0));
    folder_with(entries);
    ftp().Load();
    ftp().chemin = u"c:\\" + vb::from_utf8(std::to_string(entries));
    for (auto _ : state) {
        ftp().lire_dossier();
        ftp().afficher_dossier();
        QCoreApplication::processEvents();  // the list's layout and painting
    }
    ftp().Unload();
    QCoreApplication::processEvents();
}

bool hidden_or_dot(const char* name) {
    return name[0] == '.';
}

void BM_plain_readdir_and_model(benchmark::State& state) {
    const auto folder = folder_with(int(state.range(0)));
    QListView view;
    QStringListModel model;
    view.setModel(&model);
    view.setFlow(QListView::TopToBottom);
    view.setWrapping(true);
    view.setUniformItemSizes(true);
    view.resize(210, 394);
    view.show();
    for (auto _ : state) {
        QStringList folders{QStringLiteral("   \\..")};
        QStringList files;
        DIR* dir = opendir(folder.c_str());
        const int fd = dirfd(dir);
        while (const dirent* entry = readdir(dir)) {
            struct stat info;
            if (fstatat(fd, entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode) &&
                !hidden_or_dot(entry->d_name)) {
                folders.push_back(QStringLiteral("  ") + QString::fromUtf8(entry->d_name));
            }
        }
        rewinddir(dir);
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_type == DT_REG && !hidden_or_dot(entry->d_name)) {
                files.push_back(QStringLiteral("    ") + QString::fromUtf8(entry->d_name));
            }
        }
        closedir(dir);
        model.setStringList(folders + files);
        QCoreApplication::processEvents();
    }
}

BENCHMARK(BM_lire_afficher)->Arg(1000)->Arg(10000)->Arg(32766)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_plain_readdir_and_model)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(32766)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    bench::run_windowed_benchmarks(argc, argv);
    std::filesystem::remove_all(drive_root());
    return 0;
}
