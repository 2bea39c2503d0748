#include "WorkedExample.h"
#include "core/mission/MissionWriter.h"
#include "core/mission/TechAllyEncoding.h"
#include "core/text/TextLines.h"

#include <QTest>

using namespace vornask;
using Lines = std::vector<std::string>;

namespace {

Lines Build(const MissionSettings& s) {
    Lines lines;
    BuildMissionLines(s, lines);
    return lines;
}

int IndexOf(const Lines& lines, const std::string& line) {
    const auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

} // namespace

class MissionWriterTest : public QObject {
    Q_OBJECT
private slots:
    void workedExampleComesOutExactly() {
        const Lines lines = Build(WorkedExampleMission());
        QCOMPARE(lines.size(), std::size_t(52));
        for (std::size_t i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], kWorkedExampleLines[i]);
    }

    void writerAppendsToWhatTheListHolds() {
        Lines lines{"kept"};
        BuildMissionLines(WorkedExampleMission(), lines);
        QCOMPARE(lines.size(), std::size_t(53));
        QCOMPARE(lines.front(), std::string("kept"));
    }

    void minimalFileHas37LinesAndTwoBlanksBeforeFailed() {
        const Lines lines = Build(MissionSettings{});
        QCOMPARE(lines.size(), std::size_t(37));
        const int failed = IndexOf(lines, "[Failed]");
        QCOMPARE(lines[failed - 1], std::string());
        QCOMPARE(lines[failed - 2], std::string());
        QCOMPARE(lines[failed - 3], std::string("$Button=Leave Missions,MissionAbort,0"));
        const int title = IndexOf(lines, "title = \"My Map\"");
        QCOMPARE(lines[title + 1], std::string());
        QCOMPARE(lines[title + 2], std::string("[Options]"));
        QCOMPARE(lines[IndexOf(lines, "[Succeeded]") + 1], std::string("<h2></h2>"));
        QCOMPARE(lines[IndexOf(lines, "[Succeeded]") + 2], std::string("<p>"));
    }

    void longestFileHas220LinesInSlotOrder() {
        MissionSettings s;
        s.finish.NextMissionCheck = true; // empty name: the line ends with the comma
        for (int side = kFirstOpponent; side <= kLastOpponent; ++side) {
            s.opponent(side).enabled = true;
            for (int kind = 0; kind < kOpponentEventCount; ++kind)
                s.events.of(side, OpponentEvent(kind)).text = " ";
        }
        const Lines lines = Build(s);
        QCOMPARE(lines.size(), std::size_t(220));
        QVERIFY(IndexOf(lines, "$Button=Next Mission,MissionBegin,") > 0);
        QCOMPARE(IndexOf(lines, "ai8Color = \"orange\"") -
                     IndexOf(lines, "ai7Color = \"lightblue\""),
                 11);
        const int first = IndexOf(lines, "[ai2TempleHalfDead]");
        QCOMPARE(lines[first + 3], std::string("[ai2TempleDead]"));
        QCOMPARE(lines[first + 12], std::string("[ai2PriestDead]"));
        QCOMPARE(lines[first + 15], std::string("[ai3TempleHalfDead]"));
        QCOMPARE(lines[IndexOf(lines, "[ai8PriestDead]") + 3], std::string());
    }

    void eventSectionsFollowTheEnableFlagsAndEmptiness() {
        MissionSettings s;
        s.opponent(7).enabled = true;
        s.events.of(7, OpponentEvent::TempleHalfDead).heading = "Half";
        s.events.of(7, OpponentEvent::PriestSaved).text = "Only text";
        s.events.of(5, OpponentEvent::PriestDead).heading = "Not enabled";
        const Lines lines = Build(s);
        QCOMPARE(lines.size(), std::size_t(37 + 11 + 6));
        const int half = IndexOf(lines, "[ai7TempleHalfDead]");
        QCOMPARE(lines[half + 1], std::string("<h2>Half</h2>"));
        QCOMPARE(lines[half + 2], std::string("<p>"));
        QCOMPARE(lines[half + 3], std::string("[ai7PriestSaved]"));
        QCOMPARE(lines[half + 4], std::string("<h2></h2>"));
        QCOMPARE(lines[half + 5], std::string("<p>Only text"));
        QCOMPARE(IndexOf(lines, "[ai5PriestDead]"), -1);
    }

    void valuesAreWrittenUnescapedAndMultiLineStoriesKeepTheirBreaks() {
        MissionSettings s;
        s.general.title = "Say \"hi\"";
        s.entryBox.BackgroundStoryBox = "A\r\nB";
        const Lines lines = Build(s);
        QVERIFY(IndexOf(lines, "title = \"Say \"hi\"\"") > 0);
        QVERIFY(IndexOf(lines, "<p>A\r\nB") > 0);
        const std::string bytes = JoinLinesCrLf(lines);
        QVERIFY(bytes.find("\r\n<p>A\r\nB\r\n\r\n$Button=Review") != std::string::npos);
        QVERIFY(bytes.size() >= 2 && bytes.substr(bytes.size() - 7) == "[END]\r\n");
    }

    void techListsGoByItemWhateverTheDisplayOrder() {
        TechTicks ticks{};
        QCOMPARE(GetTechList(ticks, false), std::string());
        ticks[19] = true; // Sail Skater
        QCOMPARE(GetTechList(ticks, false), std::string("windWalker;"));
        ticks[14] = true; // Stone Tower
        QCOMPARE(GetTechList(ticks, false), std::string("sunBlocker;windWalker;"));
        QCOMPARE(GetTechList(ticks, true), std::string("all"));
        ticks.fill(true);
        const std::string everything = GetTechList(ticks, false);
        // The Bulf is "bulf;", as the game's own unit table names it.
        QCOMPARE(everything.size(), std::size_t(293));
        QVERIFY(everything.starts_with("rainFence;windBalloon;thunderFence;bulf;") &&
                everything.ends_with("windBattery;windBlocker;"));
    }

    void playerListIsSortedWithSailSkaterBeforeStoneTower() {
        const auto order = PlayerTechDisplayOrder();
        std::vector<std::string> captions;
        for (int item : order)
            captions.emplace_back(TechItemTable[item].caption);
        QVERIFY(std::is_sorted(captions.begin(), captions.end()));
        const auto at = [&](const char* c) {
            return std::find(captions.begin(), captions.end(), c) - captions.begin();
        };
        QCOMPARE(at("Sail Skater"), at("Rain Generator") + 1);
        QCOMPARE(at("Stone Tower"), at("Sail Skater") + 1);
        QCOMPARE(at("Sun Disc Thrower"), 19);
    }

    void allyListsNameSidesAroundTheirOwner() {
        const auto ticks = [](std::initializer_list<int> positions) {
            AllyTicks t{};
            for (int p : positions)
                t[p - 1] = true;
            return t;
        };
        QCOMPARE(GetAllyList(ticks({}), 1), std::string());
        QCOMPARE(GetAllyList(ticks({1, 3}), 1), std::string("2;4;"));
        QCOMPARE(GetAllyList(ticks({2}), 1), std::string("3;"));
        QCOMPARE(GetAllyList(ticks({4}), 3), std::string("5;"));      // AI3: "AI #4"
        QCOMPARE(GetAllyList(ticks({1, 7}), 8), std::string("1;7;")); // AI8: Player, AI #6
        QCOMPARE(GetAllyList(ticks({1, 2, 3, 4, 5, 6, 7}), 5), std::string("1;2;3;4;6;7;8;"));
        using Captions = std::vector<std::string>;
        QCOMPARE(AllyListCaptions(1),
                 (Captions{"AI #1", "AI #2", "AI #3", "AI #4", "AI #5", "AI #6", "AI #7"}));
        QCOMPARE(AllyListCaptions(3),
                 (Captions{"Player", "AI #1", "AI #3", "AI #4", "AI #5", "AI #6", "AI #7"}));
        QCOMPARE(AllyListCaptions(8),
                 (Captions{"Player", "AI #1", "AI #2", "AI #3", "AI #4", "AI #5", "AI #6"}));
    }
};

QTEST_APPLESS_MAIN(MissionWriterTest)
#include "test_mission_writer.moc"
