// The writers against the floor of copying the bytes they produce.
#include "mission/MissionWriter.h"
#include "platform/TextLines.h"

#include <benchmark/benchmark.h>

using namespace vornask;

namespace {

// The longest mission file: every opponent with all five messages and a next mission.
MissionSettings LongestMission() {
    MissionSettings s;
    s.finish.NextMissionCheck = true;
    s.finish.MissionName = "mission3";
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side) {
        s.opponent(side).enabled = true;
        s.opponent(side).tech = "all";
        for (int kind = 0; kind < kOpponentEventCount; ++kind)
            s.events.of(side, OpponentEvent(kind)) = {"Heading", "Some text for the event."};
    }
    return s;
}

void BM_BuildMissionLines_Longest(benchmark::State& state) {
    const MissionSettings settings = LongestMission();
    for (auto _ : state) {
        MissionLines lines;
        BuildMissionLines(settings, lines);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_BuildMissionLines_Longest);

// The floor: copying the 220 lines the writer produces.
void BM_CopyLongestMissionLines(benchmark::State& state) {
    MissionLines source;
    BuildMissionLines(LongestMission(), source);
    for (auto _ : state) {
        MissionLines copy = source;
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_CopyLongestMissionLines);

void BM_JoinLongestMissionFile(benchmark::State& state) {
    MissionLines lines;
    BuildMissionLines(LongestMission(), lines);
    for (auto _ : state) {
        std::string bytes = JoinLinesCrLf(lines);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_JoinLongestMissionFile);

} // namespace
