// The check of a map pack: 99 missions of about 10 KB, each naming the next as its next
// mission, and a guide of them all, checked in memory; the guide checks its missions again.
// With --write-pack FOLDER the program writes the same pack there instead, for bench/check.sh,
// which times `vornask-creator --check` on it as a whole process.
#include "BenchSettings.h"
#include "core/campaign/CampaignWriter.h"
#include "core/check/FileCheck.h"
#include "core/mission/MissionWriter.h"
#include "core/text/TextLines.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <map>

using namespace vornask;

namespace {

constexpr int kMissions = 99;

std::string MissionName(int number) {
    return "pack_mission_" + std::to_string(number);
}

// A mission of about 10 KB, as large as most of the game's own, with two findings: an unknown
// knowledge item and a colour the game ignores.
std::string PackMission(int number) {
    MissionSettings s = bench::LargestMission();
    s.player.myTech = "sunCanon;windBalloon;";
    s.finish.MissionName = MissionName(number % kMissions + 1);
    for (auto& opponent : s.events.opponent)
        for (EventMessage& message : opponent)
            message.text = message.text.substr(0, 180);
    MissionLines lines;
    BuildMissionLines(s, lines);
    std::string bytes = JoinLinesCrLf(lines);
    const std::string colour = "ai2Color = \"red\"";
    bytes.replace(bytes.find(colour), colour.size(), "ai2Color = \"cyan\"");
    return bytes;
}

std::string PackGuide() {
    CampaignSettings campaign;
    for (int number = 1; number <= kMissions; ++number)
        campaign.missions.push_back({"Map " + std::to_string(number), MissionName(number)});
    std::vector<std::string> lines;
    BuildCampaignLines(campaign, lines);
    return JoinLinesCrLf(lines);
}

// The pack by file name.
std::map<std::string, std::string> Pack() {
    std::map<std::string, std::string> files;
    for (int number = 1; number <= kMissions; ++number)
        files[MissionName(number) + ".english"] = PackMission(number);
    files["GuidePack.english"] = PackGuide();
    return files;
}

class PackFolder final : public MissionFolder {
public:
    explicit PackFolder(const std::map<std::string, std::string>& files) : files_(files) {}
    std::vector<std::string> Names() override {
        std::vector<std::string> names;
        for (const auto& entry : files_)
            names.push_back(entry.first);
        return names;
    }
    FolderFile Read(const std::string& name) override { return {files_.at(name), {}}; }

private:
    const std::map<std::string, std::string>& files_;
};

void BM_CheckPack_100Files(benchmark::State& state) {
    const std::map<std::string, std::string> files = Pack();
    std::size_t bytes = 0;
    for (const auto& entry : files)
        bytes += entry.second.size();
    for (auto _ : state) {
        std::size_t found = 0;
        for (const auto& entry : files) {
            PackFolder folder(files);
            found += CheckFile(entry.second, {folder}).Count();
        }
        // Two in each mission, found twice: on its own and through the guide.
        if (found != 4 * kMissions) {
            state.SkipWithError("the pack's findings were not found");
            break;
        }
        benchmark::DoNotOptimize(found);
    }
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_CheckPack_100Files)->Unit(benchmark::kMillisecond);

int WritePack(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    for (const auto& [name, bytes] : Pack())
        std::ofstream(folder / name, std::ios::binary) << bytes;
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string_view(argv[1]) == "--write-pack")
        return WritePack(argv[2]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
