// The readers against the floor of copying the bytes they read. Reading a file includes
// saving it back unchanged, to find any line that would not be kept. And an opened file saved
// back with a value changed.
#include "BenchSettings.h"
#include "core/campaign/CampaignReader.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionReader.h"
#include "core/mission/MissionWriter.h"
#include "core/text/FileText.h"
#include "core/text/TextLines.h"

#include <benchmark/benchmark.h>
#include <cctype>

using namespace vornask;
using vornask::bench::LargestCampaign;
using vornask::bench::LongestMission;

namespace {

std::string LongestMissionFile() {
    MissionLines lines;
    BuildMissionLines(LongestMission(), lines);
    return JoinLinesCrLf(lines);
}

// A mission as large as the largest of the game's own (about 12 KB), in the forms map makers
// write by hand: lower-case keys, unquoted numbers, LF line ends, a section of its own.
std::string LargestHandMadeMissionFile() {
    MissionLines lines;
    BuildMissionLines(vornask::bench::LargestMission(), lines);
    std::string file;
    for (const std::string& entry : SplitLines(JoinLinesCrLf(lines))) {
        std::string line = entry;
        if (const std::size_t equals = line.find(" = \""); equals != std::string::npos) {
            for (std::size_t i = 0; i < equals; ++i)
                line[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(line[i])));
            if (line.find_first_not_of("0123456789\"", equals + 3) == std::string::npos)
                std::erase(line, '"');
        }
        file += line + "\n";
        if (line == "[Options]")
            file += "\n[init]\n<$GetTechnology,76>\n";
    }
    return file;
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

// Opening the largest hand-made mission: reading it (and saving it back unchanged once).
void BM_ReadMissionFile_HandMade12KB(benchmark::State& state) {
    const std::string file = LargestHandMadeMissionFile();
    for (auto _ : state) {
        MissionFileReading reading = ReadMissionFile(file);
        if (!reading.report.notKept.empty() || !reading.settings.opponent(kLastOpponent).enabled) {
            state.SkipWithError("the file did not come back");
            break;
        }
        benchmark::DoNotOptimize(&reading);
    }
    state.counters["bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_ReadMissionFile_HandMade12KB);

// Saving it back with the title and a message changed: their lines rewritten, the rest as is.
void BM_SaveMissionDocument_HandMade12KB(benchmark::State& state) {
    const MissionFileReading reading = ReadMissionFile(LargestHandMadeMissionFile());
    MissionSettings changed = reading.settings;
    changed.general.title = "The Ice Fortress";
    changed.events.of(5, OpponentEvent::TempleDead).text = "Gone.";
    for (auto _ : state) {
        const std::string bytes = SaveIntoDocument(reading.document, changed).Bytes();
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_SaveMissionDocument_HandMade12KB);

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

// The largest guide the reader takes (4 MB), of rows as long as a line may be: full of what a
// mission row is split at, or of plain text. Reading stays linear in the guide's size: the one
// takes about as long as the other.
std::string GuideOfLongRows(std::string_view piece, std::string_view end) {
    std::string line = "$Checked=1 ";
    while (line.size() + piece.size() + end.size() < kMaxLineBytes)
        line += piece;
    line.append(end).append("\r\n");
    std::string file = "[Overview]\r\n<h2>Long</h2>\r\n";
    while (file.size() + line.size() <= kMaxReadableFileBytes)
        file += line;
    return file;
}

void BM_ReadCampaignFile_4MBOfLongRows(benchmark::State& state) {
    ReadFile<CampaignFileReading>(
        state,
        state.range(0) ? GuideOfLongRows("x,MissionBegin,", "a,{Donea},1")
                       : GuideOfLongRows("abcdefghijklmn", ""),
        [](std::string_view bytes) { return ReadCampaignFile(bytes); },
        [](const CampaignFileReading& r) { return !r.settings.missions.empty(); });
}
BENCHMARK(BM_ReadCampaignFile_4MBOfLongRows)
    ->ArgName("missions")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);

void BM_CopyCampaignBytes_80Missions(benchmark::State& state) {
    CopyBytes(state, LargestCampaignFile());
}
BENCHMARK(BM_CopyCampaignBytes_80Missions);

void BM_CopyCampaignLines_80Missions(benchmark::State& state) {
    CopyLines(state, LargestCampaignFile());
}
BENCHMARK(BM_CopyCampaignLines_80Missions);

} // namespace
