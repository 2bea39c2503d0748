// Finding the game's Wine prefix: what an empty home costs at start-up, and the worst case the
// search allows, 200 prefixes whose 5 MB registry files all lack the game's key.
#include "core/registry/PrefixSearch.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace vornask;
namespace fs = std::filesystem;

namespace {

// A registry file shaped like one Wine writes (class registrations: a key, its time, a
// default value, a named one, now and then hex data over two lines), of about `bytes`, without
// the game's key.
std::string RegistryWithoutTheGame(std::size_t bytes) {
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
                       "#arch=win64\n\n";
    char guid[64];
    for (unsigned n = 0; text.size() < bytes; ++n) {
        std::snprintf(guid, sizeof guid, "{%08X-19C1-11D1-89E0-00C04FD7A829}", n * 2654435761u);
        const std::string key = "[Software\\\\Classes\\\\CLSID\\\\" + std::string(guid);
        text += key + "] 1796647758\n#time=1dd86495f6d0836\n@=\"Some component\"\n\n";
        text += key +
                "\\\\InprocServer32] 1796647758\n#time=1dd86495f6d035e\n"
                "@=\"C:\\\\windows\\\\system32\\\\oledb32.dll\"\n\"ThreadingModel\"=\"Both\"\n";
        if (n % 4 == 0)
            text += "\"Data\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,\\\n"
                    "  14,15,16,17,18,19,1a,1b,1c,1d,1e,1f\n";
        text += "\n";
    }
    return text;
}

// A home of its own in the temporary folder, removed at the end.
class TemporaryHome {
public:
    explicit TemporaryHome(const char* name)
        : path_(fs::temp_directory_path() / (std::string(name) + "-" + std::to_string(getpid()))) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TemporaryHome() { fs::remove_all(path_); }
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

void Search(benchmark::State& state, const SearchStart& start, std::size_t expectRead) {
    for (auto _ : state) {
        PrefixSearch search = SearchWinePrefixes(start);
        if (search.lookedAt.size() != expectRead)
            state.SkipWithError("the search read another number of files than it should");
        benchmark::DoNotOptimize(search);
    }
}

// Start-up in a home without Wine: ~/.wine and eleven launcher places, none there.
void BM_Search_EmptyHome(benchmark::State& state) {
    const TemporaryHome home("vornask-bench-empty");
    Search(state, {{}, home.path()}, 1);
}
BENCHMARK(BM_Search_EmptyHome);

// What start-up did before the launchers were searched: $WINEPREFIX, an empty folder.
void BM_Search_WinePrefixSet(benchmark::State& state) {
    const TemporaryHome home("vornask-bench-prefix");
    Search(state, {home.path(), home.path()}, 1);
}
BENCHMARK(BM_Search_WinePrefixSet);

// 200 Proton prefixes with 5 MB registry files, none with the game's key, made once. The
// files stay in the page cache, as after their first read.
const fs::path& WorstCaseHome() {
    static const TemporaryHome home("vornask-bench-worst");
    static const bool made = [] {
        const std::string file = RegistryWithoutTheGame(5 << 20);
        for (int i = 0; i < 200; ++i) {
            const fs::path prefix = home.path() / ".local/share/Steam/steamapps/compatdata" /
                                    std::to_string(1000 + i) / "pfx";
            fs::create_directories(prefix);
            std::ofstream(prefix / "system.reg", std::ios::binary) << file;
        }
        return true;
    }();
    (void)made;
    return home.path();
}

// The worst case the search allows: every one of the 200 files is read to its end.
void BM_Search_200PrefixesOf5MBWithoutTheKey(benchmark::State& state) {
    Search(state, {{}, WorstCaseHome()}, 201); // ~/.wine, absent, and the 200
}
BENCHMARK(BM_Search_200PrefixesOf5MBWithoutTheKey)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: reading the same files in the same pieces and finding their line ends, with
// nothing parsed.
void BM_Floor_Read200FilesOf5MBSplittingLines(benchmark::State& state) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(WorstCaseHome()))
        if (entry.path().filename() == "system.reg")
            files.push_back(entry.path());
    std::string piece(64 * 1024, '\0');
    for (auto _ : state) {
        std::size_t lines = 0;
        for (const fs::path& file : files) {
            std::ifstream in(file, std::ios::binary);
            while (in.read(piece.data(), static_cast<std::streamsize>(piece.size())) ||
                   in.gcount() > 0) {
                const char* end = piece.data() + in.gcount();
                for (const char* at = piece.data();
                     (at = static_cast<const char*>(std::memchr(at, '\n', end - at))); ++at)
                    ++lines;
            }
        }
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK(BM_Floor_Read200FilesOf5MBSplittingLines)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
