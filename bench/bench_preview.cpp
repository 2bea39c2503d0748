// The preview: drawing the largest story a mission may hold as the game draws it (aim: under
// 20 ms), against the floor of copying its lines; and finding its section in the file a save
// would write, which the preview does before drawing.
#include "BenchSettings.h"
#include "core/preview/DrawnPage.h"
#include "core/preview/PreviewSections.h"
#include "core/saving/FileToSave.h"
#include "core/text/TextLines.h"

#include <benchmark/benchmark.h>

using namespace vornask;
using vornask::bench::LargestStory;

namespace {

std::vector<std::string> StoryLines(bool markup) {
    return SplitLines("<h2>The Ice Fortress</h2>\r\n<p>" + LargestStory(markup));
}

void DrawStory(benchmark::State& state, bool markup) {
    const std::vector<std::string> lines = StoryLines(markup);
    const PageValues values{"Island1", {"DoneIsland1"}};
    std::size_t blocks = 0;
    for (auto _ : state) {
        const DrawnPage page = DrawSection(lines, values);
        blocks = page.blocks.size();
        benchmark::DoNotOptimize(&page);
    }
    std::size_t bytes = 0;
    for (const std::string& line : lines)
        bytes += line.size();
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["blocks"] = static_cast<double>(blocks);
}

void BM_DrawLargestStory_Markup(benchmark::State& state) {
    DrawStory(state, true);
}
BENCHMARK(BM_DrawLargestStory_Markup)->Unit(benchmark::kMillisecond);

void BM_DrawLargestStory_PlainWords(benchmark::State& state) {
    DrawStory(state, false);
}
BENCHMARK(BM_DrawLargestStory_PlainWords)->Unit(benchmark::kMillisecond);

// The floor: the story's lines copied.
void BM_CopyLargestStoryLines(benchmark::State& state) {
    const std::vector<std::string> lines = StoryLines(true);
    for (auto _ : state) {
        std::vector<std::string> copy = lines;
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_CopyLargestStoryLines)->Unit(benchmark::kMillisecond);

// What the entry box page does before drawing: the file a save would write, and its entry box
// section as the reader finds it.
void BM_EntryBoxSectionOfLargestStory(benchmark::State& state) {
    MissionSettings mission;
    mission.entryBox.BackgroundStoryBox = LargestStory(true);
    for (auto _ : state) {
        const std::string bytes = MissionFileToSave(mission, nullptr).Bytes();
        const auto lines = MissionSectionToDraw(bytes, WrittenSection::EntryBox);
        if (!lines || lines->size() < kMaxTextLines) {
            state.SkipWithError("no entry box");
            break;
        }
        benchmark::DoNotOptimize(lines->data());
    }
}
BENCHMARK(BM_EntryBoxSectionOfLargestStory)->Unit(benchmark::kMillisecond);

} // namespace
