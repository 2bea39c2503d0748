// The readers against the floor of copying the bytes they read. Reading a file includes
// writing the read settings again to find the lines that would not be kept.
#include "BenchSettings.h"
#include "core/campaign/CampaignReader.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionReader.h"
#include "core/mission/MissionWriter.h"
#include "core/text/FileText.h"
#include "core/text/TextLines.h"

#include <benchmark/benchmark.h>

using namespace vornask;
using vornask::bench::LargestCampaign;
using vornask::bench::LongestMission;

namespace {

std::string LongestMissionFile() {
    MissionLines lines;
    BuildMissionLines(LongestMission(), lines);
    return JoinLinesCrLf(lines);
}

std::string LargestCampaignFile() {
    std::vector<std::string> lines;
    BuildCampaignLines(LargestCampaign(), lines);
    return JoinLinesCrLf(lines);
}

// The floor: the file's bytes copied into a string of their own.
void CopyBytes(benchmark::State& state, const std::string& file) {
    for (auto _ : state) {
        std::string copy = file;
        benchmark::DoNotOptimize(copy.data());
    }
    state.counters["bytes"] = static_cast<double>(file.size());
    state.counters["lines"] = static_cast<double>(SplitLines(file).size());
}

// A second floor: the file's bytes as lines, each a string of its own.
void CopyLines(benchmark::State& state, const std::string& file) {
    for (auto _ : state) {
        std::vector<std::string> lines = SplitLines(file);
        benchmark::DoNotOptimize(lines.data());
    }
}

// Reads `file` again and again; stops with an error when `cameBack` finds the reading wrong.
template <class Reading>
void ReadFile(benchmark::State& state, const std::string& file, Reading (*read)(std::string_view),
              bool (*cameBack)(const Reading&)) {
    for (auto _ : state) {
        Reading reading = read(file);
        if (!reading.report.notKept.empty() || !cameBack(reading)) {
            state.SkipWithError("the file did not come back");
            break;
        }
        benchmark::DoNotOptimize(&reading);
    }
}

void BM_ReadMissionFile_Longest(benchmark::State& state) {
    ReadFile<MissionFileReading>(
        state, LongestMissionFile(), [](std::string_view bytes) { return ReadMissionFile(bytes); },
        [](const MissionFileReading& r) { return r.settings.opponent(kLastOpponent).enabled; });
}
BENCHMARK(BM_ReadMissionFile_Longest);

void BM_CopyLongestMissionBytes(benchmark::State& state) {
    CopyBytes(state, LongestMissionFile());
}
BENCHMARK(BM_CopyLongestMissionBytes);

void BM_CopyLongestMissionLines(benchmark::State& state) {
    CopyLines(state, LongestMissionFile());
}
BENCHMARK(BM_CopyLongestMissionLines);

void BM_ReadCampaignFile_80Missions(benchmark::State& state) {
    ReadFile<CampaignFileReading>(
        state, LargestCampaignFile(),
        [](std::string_view bytes) { return ReadCampaignFile(bytes); },
        [](const CampaignFileReading& r) { return r.settings.missions.size() == 80; });
}
BENCHMARK(BM_ReadCampaignFile_80Missions);

void BM_CopyCampaignBytes_80Missions(benchmark::State& state) {
    CopyBytes(state, LargestCampaignFile());
}
BENCHMARK(BM_CopyCampaignBytes_80Missions);

void BM_CopyCampaignLines_80Missions(benchmark::State& state) {
    CopyLines(state, LargestCampaignFile());
}
BENCHMARK(BM_CopyCampaignLines_80Missions);

} // namespace
