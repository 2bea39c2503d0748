// Finding the game's Wine prefix in a made-up home holding the launchers' prefixes.
#include "core/registry/InstallFolder.h"
#include "core/registry/PrefixSearch.h"

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>

using namespace vornask;
namespace fs = std::filesystem;

namespace {

// A registry file of a 64-bit prefix; it holds the game's key when `installDir` is not empty.
std::string SystemReg(std::string_view installDir) {
    std::string text = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
                       "[Software\\\\Wine] 1700000000\n\"Version\"=\"wine-8.0\"\n";
    if (!installDir.empty())
        text += "[Software\\\\Wow6432Node\\\\Titanic Entertainment\\\\NetStorm] 1700000000\n"
                "\"InstallDir\"=\"" +
                std::string(installDir) + "\"\n";
    return text;
}

// One prefix per launcher place, in the order the places are listed.
const std::vector<std::string> kOnePrefixPerPlace = {
    "Games/lutris-game",
    ".local/share/bottles/bottles/b1",
    ".var/app/com.usebottles.bottles/data/bottles/bottles/b2",
    ".PlayOnLinux/wineprefix/p1",
    ".steam/steam/steamapps/compatdata/100/pfx",
    ".local/share/Steam/steamapps/compatdata/200/pfx",
    "Games/Heroic/Prefixes/h1",
    "Games/Heroic/Prefixes/h2/pfx",
    "Games/Heroic/Prefixes/default/h3",
    "Games/Heroic/Prefixes/default/h4/pfx",
    ".cxoffice/c1",
};

// The process's peak resident memory since the last ResetPeakMemory(), in KB.
long PeakMemoryKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:"))
            return std::stol(line.substr(6));
    return -1;
}

void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::vector<RegistryFileState> StatesOf(const PrefixSearch& search) {
    std::vector<RegistryFileState> states;
    for (const PrefixVisit& visit : search.lookedAt)
        states.push_back(visit.reading.file);
    return states;
}

} // namespace

class PrefixSearchTest : public QObject {
    Q_OBJECT
    QTemporaryDir temp_;
    fs::path home_;
    int homes_ = 0;

    SearchStart Home() const { return {{}, home_}; }

    // A prefix at `relative` in the home whose registry file was last changed `age` ago.
    fs::path MakePrefix(const std::string& relative, std::string_view installDir,
                        std::chrono::seconds age = std::chrono::seconds(0)) {
        const fs::path prefix = home_ / relative;
        fs::create_directories(prefix);
        std::ofstream(prefix / "system.reg", std::ios::binary) << SystemReg(installDir);
        SetAge(prefix, age);
        return prefix;
    }

    static void SetAge(const fs::path& prefix, std::chrono::seconds age) {
        static const auto now = fs::file_time_type::clock::now();
        fs::last_write_time(prefix / "system.reg", now - age);
    }

    std::vector<fs::path> InHome(const std::vector<std::string>& relatives) const {
        std::vector<fs::path> paths;
        for (const std::string& relative : relatives)
            paths.push_back(home_ / relative);
        return paths;
    }

private slots:
    void init() {
        home_ = fs::path(temp_.path().toStdString()) / ("home" + std::to_string(++homes_));
        fs::create_directories(home_);
    }

    void everyLauncherPlaceIsFoundNewestFirstAfterDotWine() {
        // Ages all different and in no order: the newest registry file comes first.
        std::vector<std::pair<int, std::string>> byAge;
        for (std::size_t i = 0; i < kOnePrefixPerPlace.size(); ++i) {
            const int age = static_cast<int>(i * 7 % kOnePrefixPerPlace.size());
            MakePrefix(kOnePrefixPerPlace[i], "", std::chrono::seconds(100 + age));
            byAge.emplace_back(age, kOnePrefixPerPlace[i]);
        }
        MakePrefix(".wine", "", std::chrono::hours(1000)); // the oldest, and still first
        fs::create_directories(home_ / "Games" / "NotAPrefix");
        std::ranges::sort(byAge);
        std::vector<std::string> expected = {".wine"};
        for (const auto& [age, relative] : byAge)
            expected.push_back(relative);
        QCOMPARE(CandidatePrefixes(Home()), InHome(expected));

        // Equal ages keep the order of the places.
        for (const std::string& relative : kOnePrefixPerPlace)
            SetAge(home_ / relative, std::chrono::seconds(5));
        expected = {".wine"};
        expected.insert(expected.end(), kOnePrefixPerPlace.begin(), kOnePrefixPerPlace.end());
        QCOMPARE(CandidatePrefixes(Home()), InHome(expected));
    }

    void aSetWinePrefixIsTheOnlyOneSearched() {
        MakePrefix("Games/lutris-game", "C:\\\\Lutris");
        const fs::path own = MakePrefix("own", "");
        const PrefixSearch search = SearchWinePrefixes({own, home_});
        QCOMPARE(search.lookedAt.size(), std::size_t(1));
        QCOMPARE(search.lookedAt[0].prefix, own);
        QCOMPARE(search.lookup, InstallDirLookup{});
        QCOMPARE(SearchWinePrefixes({own / "missing", home_}).lookup, InstallDirLookup{});
        // Without it, the launcher's prefix is found.
        QCOMPARE(SearchWinePrefixes(Home()).lookup.installDir, std::string("C:\\Lutris"));
        QCOMPARE(CandidatePrefixes({{}, {}}), std::vector<fs::path>());
    }

    void eachRealFolderOnceAndLinkLoopsAreNoFolders() {
        // Steam's usual link, ~/.wine linked to a launcher's prefix, and three kinds of loop.
        MakePrefix(".local/share/Steam/steamapps/compatdata/1/pfx", "");
        fs::create_directories(home_ / ".steam");
        fs::create_directory_symlink("../.local/share/Steam", home_ / ".steam" / "steam");
        MakePrefix(".cxoffice/real", "");
        fs::create_directory_symlink(".cxoffice/real", home_ / ".wine");
        fs::create_directories(home_ / "Games");
        fs::create_symlink("loop", home_ / "Games" / "loop");
        fs::create_symlink("b", home_ / ".cxoffice" / "a");
        fs::create_symlink("a", home_ / ".cxoffice" / "b");
        fs::create_directory_symlink("..", home_ / ".local/share/Steam/steamapps/compatdata/up");
        // The first place that leads to the folder names it.
        QCOMPARE(CandidatePrefixes(Home()),
                 InHome({".wine", ".steam/steam/steamapps/compatdata/1/pfx"}));
    }

    void unreadableAndMalformedPrefixesArePassedOver() {
        const auto age = [](int s) { return std::chrono::seconds(s); };
        const fs::path folder = MakePrefix("Games/a-folder", "", age(1));
        fs::remove(folder / "system.reg");
        fs::create_directory(folder / "system.reg");
        const fs::path mem = MakePrefix("Games/b-mem", "", age(2));
        fs::remove(mem / "system.reg");
        fs::create_symlink("/proc/self/mem", mem / "system.reg");
        const fs::path malformed = MakePrefix("Games/c-malformed", "", age(3));
        std::ofstream(malformed / "system.reg")
            << "[Software\\\\Wow6432Node\\\\Titanic "
               "Entertainment\\\\NetStorm]\n\"InstallDir\"=\"X\"\n";
        SetAge(malformed, age(3));
        const fs::path huge = MakePrefix("Games/d-huge", "C:\\\\Huge", age(4));
        fs::resize_file(huge / "system.reg", kMaxRegistryFileBytes + 1);
        SetAge(huge, age(4));
        const fs::path game = MakePrefix("Games/e-game", "C:\\\\Games\\\\NetStorm", age(5));
        MakePrefix("Games/f-older", "C:\\\\Older", age(6));

        const PrefixSearch search = SearchWinePrefixes(Home());
        using S = RegistryFileState;
        QCOMPARE(StatesOf(search), (std::vector{S::Missing, S::Unreadable, S::Unreadable,
                                                S::NotARegistry, S::TooLarge, S::Read}));
        QCOMPARE(search.lookedAt.back().prefix, game);
        QCOMPARE(search.lookup.installDir, std::string("C:\\Games\\NetStorm"));
        QCOMPARE(search.lookup.winePrefix, game);
        QVERIFY(search.leftOut.empty());
    }

    void atMostTwoHundredRegistryFilesAreRead() {
        for (int i = 0; i < 205; ++i)
            MakePrefix(".local/share/Steam/steamapps/compatdata/" + std::to_string(1000 + i) +
                           "/pfx",
                       i == 204 ? "C:\\\\Last" : "", std::chrono::seconds(i));
        const PrefixSearch search = SearchWinePrefixes(Home());
        // The 200 newest were read (after ~/.wine, which has no registry file and does not
        // count); the 5 oldest, the game's among them, were not.
        QCOMPARE(search.lookedAt.size(), kMaxRegistryFilesRead + 1);
        QCOMPARE(search.lookup, InstallDirLookup{});
        QCOMPARE(search.leftOut.size(), std::size_t(5));
        QCOMPARE(search.leftOut.back().parent_path().filename(), fs::path("1204"));
        QCOMPARE(SearchWinePrefixes(Home(), 205).lookup.installDir, std::string("C:\\Last"));
    }

    void aSearchAskedToStopReadsNoFurtherFile() {
        MakePrefix("Games/netstorm", "C:\\\\NetStorm");
        std::stop_source stop;
        stop.request_stop();
        const PrefixSearch stopped =
            SearchWinePrefixes(Home(), kMaxRegistryFilesRead, stop.get_token());
        QVERIFY(stopped.lookedAt.empty());
        QCOMPARE(stopped.lookup, InstallDirLookup{});
        QCOMPARE(SearchWinePrefixes(Home()).lookup.installDir, std::string("C:\\NetStorm"));
    }

    void hugeRegistryFilesCostBoundedMemoryAndTime() {
        // Prefixes no real one looks like: 190 registry files of 128 MB, then 3 just under the
        // size limit that are one line (sparse files: their bytes cost no disk), then the
        // game's, the oldest.
        const std::string header = "WINE REGISTRY Version 2\n[";
        int age = 0;
        for (int i = 0; i < 190; ++i) {
            const fs::path prefix =
                MakePrefix("Games/huge" + std::to_string(i), "", std::chrono::seconds(++age));
            std::ofstream(prefix / "system.reg", std::ios::binary) << header;
            fs::resize_file(prefix / "system.reg", 128u << 20);
            SetAge(prefix, std::chrono::seconds(age));
        }
        for (int i = 0; i < 3; ++i) {
            const fs::path prefix =
                MakePrefix("Games/line" + std::to_string(i), "", std::chrono::seconds(++age));
            std::ofstream(prefix / "system.reg", std::ios::binary) << header;
            fs::resize_file(prefix / "system.reg", kMaxRegistryFileBytes);
            SetAge(prefix, std::chrono::seconds(age));
        }
        MakePrefix("Games/netstorm", "C:\\\\NetStorm", std::chrono::seconds(++age));

        ResetPeakMemory();
        const long before = PeakMemoryKb();
        const auto start = std::chrono::steady_clock::now();
        const PrefixSearch search = SearchWinePrefixes(Home());
        const auto elapsed = std::chrono::steady_clock::now() - start;
        const long grown = PeakMemoryKb() - before;

        qInfo("search: %lld ms, peak memory %ld KB more",
              static_cast<long long>(
                  std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()),
              grown);
        QCOMPARE(search.lookup.installDir, std::string("C:\\NetStorm"));
        const std::vector<RegistryFileState> states = StatesOf(search);
        QCOMPARE(std::ranges::count(states, RegistryFileState::TooLarge), 190);
        QCOMPARE(std::ranges::count(states, RegistryFileState::Read), 4);
        // A line is held only up to its bound (1 MB), never whole (64 MB): 2.5 MB more here,
        // under 18 MB under AddressSanitizer, which keeps freed memory for a while.
        QVERIFY2(grown < 32 * 1024, qPrintable(QStringLiteral("%1 KB more").arg(grown)));
        QVERIFY2(elapsed < std::chrono::seconds(20), "a hang, not a slow machine");
    }

    void theDialogsStartInTheFoundPrefixsDriveC() {
        const fs::path game = MakePrefix("Games/netstorm", "C:\\\\Games\\\\NetStorm");
        fs::create_directories(game / "drive_c" / "Games" / "NetStorm" / "D");
        fs::create_directories(game / "dosdevices");
        fs::create_directory_symlink("../drive_c", game / "dosdevices" / "c:");
        const QByteArray home = qgetenv("HOME");
        const QByteArray winePrefix = qgetenv("WINEPREFIX");
        qputenv("HOME", QByteArray::fromStdString(home_.string()));
        qunsetenv("WINEPREFIX");
        const InstallDirLookup lookup = SearchWinePrefixes(SearchStart::FromEnvironment()).lookup;
        qputenv("HOME", home);
        qputenv("WINEPREFIX", winePrefix);
        QCOMPARE(LocalDialogFolder(lookup.installDir, lookup.winePrefix),
                 fs::canonical(game / "drive_c").string() + "/Games/NetStorm/D/");
    }
};

QTEST_APPLESS_MAIN(PrefixSearchTest)
#include "test_prefix_search.moc"
