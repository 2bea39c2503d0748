// The writers and the saving against the floor of copying and writing the bytes they produce.
#include "BenchSettings.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionWriter.h"
#include "core/saving/SaveProcedure.h"
#include "core/text/TextLines.h"
#include "ui/platform/DiskFileStore.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

using namespace vornask;
using vornask::bench::LargestCampaign;
using vornask::bench::LongestMission;

namespace {

// Copies `lines` as the floor the writers are held against: the bytes they produce, with no
// work done to produce them.
void CopyLines(benchmark::State& state, const std::vector<std::string>& source) {
    for (auto _ : state) {
        std::vector<std::string> copy = source;
        benchmark::DoNotOptimize(copy.data());
    }
    state.counters["lines"] = static_cast<double>(source.size());
    state.counters["bytes"] = static_cast<double>(JoinLinesCrLf(source).size());
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

void BM_CopyLongestMissionLines(benchmark::State& state) {
    MissionLines source;
    BuildMissionLines(LongestMission(), source);
    CopyLines(state, source);
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

void BM_BuildCampaignLines_80Missions(benchmark::State& state) {
    const CampaignSettings settings = LargestCampaign();
    for (auto _ : state) {
        std::vector<std::string> lines;
        BuildCampaignLines(settings, lines);
        benchmark::DoNotOptimize(lines.data());
    }
}
BENCHMARK(BM_BuildCampaignLines_80Missions);

void BM_CopyCampaignLines_80Missions(benchmark::State& state) {
    std::vector<std::string> source;
    BuildCampaignLines(LargestCampaign(), source);
    CopyLines(state, source);
}
BENCHMARK(BM_CopyCampaignLines_80Missions);

// Answers the save procedure at once: the file name given, and yes to overwriting it.
class InstantUser : public SaveUser {
public:
    explicit InstantUser(std::string path) : path_(std::move(path)) {}
    std::optional<std::string> AskFileName() override { return path_; }
    Answer Confirm(const SaveMessage&, bool) override { return Answer::Yes; }
    void Warn(const SaveMessage& message) override { failures_.push_back(message); }
    void ReportError(const SaveMessage& message) override { failures_.push_back(message); }
    const std::vector<SaveMessage>& Failures() const { return failures_; }

private:
    std::string path_;
    std::vector<SaveMessage> failures_;
};

// The whole save of the longest mission with its ".german" copy, through the real file
// store (a temporary file renamed over the old one) into a temporary folder.
void BM_SaveLongestMissionWithCopy(benchmark::State& state) {
    QTemporaryDir folder;
    MissionLines lines;
    BuildMissionLines(LongestMission(), lines);
    InstantUser user(folder.filePath(QStringLiteral("mission3.english")).toStdString());
    DiskFileStore files;
    for (auto _ : state) {
        const SaveResult result = SaveLinesToFile(lines, true, SaveSide::Mission, user, files);
        if (!result.saved || !user.Failures().empty()) {
            state.SkipWithError("the file was not saved");
            break;
        }
    }
}
BENCHMARK(BM_SaveLongestMissionWithCopy);

// The floor of saving: the same bytes written into the same two files with plain C I/O,
// over the old contents, with no temporary file and no rename.
void BM_WriteLongestMissionTwice_Floor(benchmark::State& state) {
    QTemporaryDir folder;
    MissionLines lines;
    BuildMissionLines(LongestMission(), lines);
    const std::string bytes = JoinLinesCrLf(lines);
    const std::string paths[] = {folder.filePath(QStringLiteral("mission3.german")).toStdString(),
                                 folder.filePath(QStringLiteral("mission3.english")).toStdString()};
    for (auto _ : state) {
        for (const std::string& path : paths) {
            std::FILE* file = std::fopen(path.c_str(), "wb");
            if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() ||
                std::fclose(file) != 0) {
                state.SkipWithError("could not write");
                return;
            }
        }
    }
}
BENCHMARK(BM_WriteLongestMissionTwice_Floor);

} // namespace
