#include "WorkedExample.h"
#include "core/campaign/CampaignWriter.h"
#include "core/campaign/MissionName.h"

#include <QTest>
#include <algorithm>

using namespace vornask;
using Lines = std::vector<std::string>;

namespace {

Lines Build(const CampaignSettings& settings) {
    Lines lines;
    BuildCampaignLines(settings, lines);
    return lines;
}

// The mission lines only: what follows the first empty line after "<p>" up to the next one.
Lines MissionLinesOf(const Lines& lines) {
    auto intro = std::find(lines.begin(), lines.end(), std::string("<p>"));
    auto first = std::find(intro, lines.end(), std::string());
    if (first != lines.end())
        ++first;
    auto last = std::find(first, lines.end(), std::string());
    return Lines(first, last);
}

} // namespace

class CampaignWriterTest : public QObject {
    Q_OBJECT
private slots:
    void workedExampleGivesItsTwelveLines() {
        QCOMPARE(Build(WorkedExampleCampaign()), kWorkedExampleCampaignLines);
    }

    void writerOnlyAppends() {
        Lines lines = {"kept"};
        BuildCampaignLines(WorkedExampleCampaign(), lines);
        QCOMPARE(lines.size(), std::size_t(13));
        QCOMPARE(lines.front(), std::string("kept"));
    }

    void introHeaderAndTextAsTyped() {
        CampaignSettings s = WorkedExampleCampaign();
        s.missions.clear();
        s.CampaignHeader = "";
        s.CampaignText = {};
        QCOMPARE(Build(s),
                 (Lines{"title = \"My Campaign\"", "", "[Overview]", "<background=\"nsstart\">",
                        "<h2></h2>", "<p>", "", "", "$Button=Back,Tell,Campaign"}));

        s.CampaignText = {"First line, {as typed}", "  second"};
        const Lines lines = Build(s);
        QCOMPARE(Lines(lines.begin() + 5, lines.begin() + 9),
                 (Lines{"<p>", "First line, {as typed}", "  second", ""}));
    }

    void sequentialChainsEachMissionToTheOneBefore() {
        CampaignSettings s = WorkedExampleCampaign();
        s.missions.push_back({"Third", "Map3"});
        QCOMPARE(MissionLinesOf(Build(s)),
                 (Lines{"$Checked=1 Island One,MissionBegin,Island1,{DoneIsland1},1",
                        "$Checked=2 The Bridge,MissionBegin,Bridge2,{DoneBridge2},{DoneIsland1}",
                        "$Checked=3 Third,MissionBegin,Map3,{DoneMap3},{DoneBridge2}"}));

        s.Sequential = false;
        for (const std::string& line : MissionLinesOf(Build(s)))
            QVERIFY2(line.ends_with("},1"), line.c_str());
    }

    void missionsTenAndAboveCarryTwoDigits() {
        CampaignSettings s = WorkedExampleCampaign();
        s.missions.clear();
        for (int k = 1; k <= 12; ++k)
            s.missions.push_back({"T" + std::to_string(k), "M" + std::to_string(k)});
        const Lines missions = MissionLinesOf(Build(s));
        QCOMPARE(missions.size(), std::size_t(12));
        QCOMPARE(missions[9], std::string("$Checked=10 T10,MissionBegin,M10,{DoneM10},{DoneM9}"));
        QCOMPARE(missions[11], std::string("$Checked=12 T12,MissionBegin,M12,{DoneM12},{DoneM11}"));
    }

    void sameNameSharesItsFlag() {
        CampaignSettings s = WorkedExampleCampaign();
        s.missions = {{"A", "Same"}, {"B", "Same"}};
        QCOMPARE(MissionLinesOf(Build(s)),
                 (Lines{"$Checked=1 A,MissionBegin,Same,{DoneSame},1",
                        "$Checked=2 B,MissionBegin,Same,{DoneSame},{DoneSame}"}));
    }

    void missionNameDropsFolderAndExtension() {
        // With the backslash alone, as on Windows.
        QCOMPARE(GetMissionName("C:\\Games\\D\\Island1.english", '\\'), std::string("Island1"));
        QCOMPARE(GetMissionName("Island1", '\\'), std::string("Island1"));
        QCOMPARE(GetMissionName("Island1.English", '\\'), std::string("Island1.English"));
        QCOMPARE(GetMissionName("maps/Map7.english", '\\'), std::string("maps/Map7"));
        QCOMPARE(GetMissionName("C:\\a\\", '\\'), std::string());
        QCOMPARE(GetMissionName("Two.english.english", '\\'), std::string("Two"));

        // This system's own separator counts as well; the backslash still does.
        QCOMPARE(GetMissionName("/home/me/.wine/D/Map7.english", '/'), std::string("Map7"));
        QCOMPARE(GetMissionName("C:\\a/b\\Map7.english", '/'), std::string("Map7"));
        QCOMPARE(GetMissionName("dir.english/Map7", '/'), std::string("Map7"));
#ifndef _WIN32
        QCOMPARE(GetMissionName("maps/Map7.english"), std::string("Map7"));
#endif
    }
};

QTEST_APPLESS_MAIN(CampaignWriterTest)
#include "test_campaign_writer.moc"
