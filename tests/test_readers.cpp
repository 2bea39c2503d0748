#include "GeneratedSettings.h"
#include "WorkedExample.h"
#include "core/campaign/CampaignReader.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionReader.h"
#include "core/mission/MissionWriter.h"
#include "core/text/FileKind.h"
#include "core/text/TextLines.h"

#include <QTest>
#include <random>

using namespace vornask;
using namespace std::string_literals;
using Lines = std::vector<std::string>;
using Reported = std::vector<FileLine>;

namespace {

std::string MissionBytes(const MissionSettings& s) {
    MissionLines lines;
    BuildMissionLines(s, lines);
    return JoinLinesCrLf(lines);
}

std::string CampaignBytes(const CampaignSettings& c) {
    Lines lines;
    BuildCampaignLines(c, lines);
    return JoinLinesCrLf(lines);
}

struct SeededChoices {
    std::mt19937 engine;
    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
};

} // namespace

class ReadersTest : public QObject {
    Q_OBJECT
private slots:
    void filesOfTheWritersComeBackByteForByte() {
        const MissionSettings missions[] = {WorkedExampleMission(), MissionSettings{},
                                            LongestMission()};
        const std::size_t lineCounts[] = {52, 37, 220};
        for (std::size_t i = 0; i < std::size(missions); ++i) {
            const std::string bytes = MissionBytes(missions[i]);
            QCOMPARE(SplitLines(bytes).size(), lineCounts[i]);
            const MissionFileReading read = ReadMissionFile(bytes);
            QVERIFY(!read.report.refusal && read.report.notKept.empty());
            QVERIFY(read.settings == testing::AsReadBack(missions[i]));
            QCOMPARE(MissionBytes(read.settings), bytes);
        }
        QCOMPARE(MissionBytes(WorkedExampleMission()), JoinLinesCrLf(kWorkedExampleLines));

        const CampaignFileReading campaign =
            ReadCampaignFile(JoinLinesCrLf(kWorkedExampleCampaignLines));
        QVERIFY(campaign.report.notKept.empty());
        QVERIFY(campaign.settings == WorkedExampleCampaign());
        QCOMPARE(campaign.sequential, std::optional(true));
        QCOMPARE(CampaignBytes(campaign.settings), JoinLinesCrLf(kWorkedExampleCampaignLines));
    }

    // Every field, multi-line texts with markup in them, quotes, commas and brackets, every tech
    // and ally notation, enabled and disabled opponents, event sections.
    void generatedSettingsComeBackExactly() {
        SeededChoices choices{std::mt19937(12)};
        testing::SettingsGenerator generate(choices, testing::GeneratedTexts::AsTyped);
        for (int run = 0; run < 3000; ++run) {
            const MissionSettings s = generate.Mission();
            const std::string bytes = MissionBytes(s);
            const MissionFileReading read = ReadMissionFile(bytes);
            QVERIFY2(read.report.notKept.empty(), qPrintable(QString::number(run)));
            QVERIFY2(read.settings == testing::AsReadBack(s), qPrintable(QString::number(run)));
            QCOMPARE(MissionBytes(read.settings), bytes);

            const CampaignSettings c = generate.Campaign();
            const CampaignFileReading campaign = ReadCampaignFile(CampaignBytes(c));
            QVERIFY2(campaign.report.notKept.empty(), qPrintable(QString::number(run)));
            QVERIFY2(campaign.settings == testing::AsReadBack(c), qPrintable(QString::number(run)));
        }
    }

    // Texts may hold lines the game itself reads as headers, commands or buttons, control
    // characters and blank lines at their ends: what the pages show of them may then differ
    // from what was typed, but saving the file unchanged writes every byte again.
    void anyTextIsSavedBackByteForByte() {
        SeededChoices choices{std::mt19937(34)};
        testing::SettingsGenerator generate(choices, testing::GeneratedTexts::Anything);
        for (int run = 0; run < 3000; ++run) {
            const std::string mission = MissionBytes(generate.Mission());
            const MissionFileReading read = ReadMissionFile(mission);
            QVERIFY2(read.report.notKept.empty(), qPrintable(QString::number(run)));
            QVERIFY2(SaveIntoDocument(read.document, read.settings).Bytes() == mission,
                     qPrintable(QString::number(run)));
            const std::string guide = CampaignBytes(generate.Campaign());
            const CampaignFileReading campaign = ReadCampaignFile(guide);
            QVERIFY2(campaign.report.notKept.empty(), qPrintable(QString::number(run)));
            QVERIFY2(SaveIntoDocument(campaign.document, campaign.settings).Bytes() == guide,
                     qPrintable(QString::number(run)));
        }
    }

    void filesOutOfBoundsAreRefusedWithTheirReason() {
        const std::string mission = JoinLinesCrLf(kWorkedExampleLines);
        const std::string guide = JoinLinesCrLf(kWorkedExampleCampaignLines);
        const std::string huge(kMaxReadableFileBytes + 1, 'x');
        QCOMPARE(ReadMissionFile(huge).report.refusal,
                 std::optional(Refusal{RefusalReason::TooLarge, huge.size()}));
        const std::string mostLines = guide + std::string(kMaxReadableFileLines - 12, '\n');
        QCOMPARE(ReadCampaignFile(mostLines).report.refusal, std::nullopt);
        QCOMPARE(ReadCampaignFile(mostLines + "\n").report.refusal,
                 std::optional(Refusal{RefusalReason::TooManyLines, kMaxReadableFileLines + 1}));
        QCOMPARE(ReadCampaignFile("a\r\nb\nc\0d"s).report.refusal,
                 std::optional(Refusal{RefusalReason::HoldsNulByte, 3}));
        QCOMPARE(ReadMissionFile(guide).report.refusal,
                 std::optional(Refusal{RefusalReason::NoHeaderSection}));
        QCOMPARE(ReadCampaignFile(mission).report.refusal,
                 std::optional(Refusal{RefusalReason::NoOverviewSection}));
        QVERIFY(!ReadMissionFile(std::string(kMaxReadableFileBytes - mission.size() - 2, ' ') +
                                 "\r\n" + mission)
                     .report.refusal);

        QCOMPARE(DetectFileKind(mission), FileKind::Mission);
        QCOMPARE(DetectFileKind(std::string(kUtf8ByteOrderMark) + guide), FileKind::CampaignGuide);
        QCOMPARE(DetectFileKind("[Headers]\n[Overviews]"), FileKind::Unknown);
        QCOMPARE(DetectFileKind("x\n [header] \n"), FileKind::Mission);
        QCOMPARE(DetectFileKind("x\r[Overview]\r\n[Header]"), FileKind::CampaignGuide);
    }

    void textIsWindows1252UnlessMarkedAsUtf8() {
        MissionSettings s = WorkedExampleMission();
        s.general.title =
            "Caf\xC3\xA9 \x80"; // Windows-1252 "Ã©" and the euro sign stay as they are
        const std::string crLf = MissionBytes(s);
        std::string lf = crLf;
        std::erase(lf, '\r');
        for (const std::string& bytes : {crLf, lf}) {
            const MissionFileReading read = ReadMissionFile(bytes);
            QCOMPARE(read.report.encoding, TextEncoding::Windows1252);
            QVERIFY(read.settings == testing::AsReadBack(s) && read.report.notKept.empty());
        }

        // The same file in UTF-8 with its mark, plus a character the code page lacks and a
        // broken sequence: both become "?" and their lines are told.
        std::string utf8 = crLf;
        for (std::size_t at; (at = utf8.find("Caf\xC3\xA9 \x80")) != std::string::npos;)
            utf8.replace(at, 7, "Caf\xC3\x83\xC2\xA9 \xE2\x82\xAC");
        utf8.replace(utf8.find("Victory"), 7, "Vict\xE4\xB8\xADry\xC3");
        const MissionFileReading read = ReadMissionFile(std::string(kUtf8ByteOrderMark) + utf8);
        QCOMPARE(read.report.encoding, TextEncoding::Utf8);
        QCOMPARE(read.settings.general.title, s.general.title);
        QCOMPARE(read.settings.events.Succeeded.heading, std::string("Vict?ry?"));
        QCOMPARE(read.report.replacedCharacters, (Reported{{37, "<h2>Vict?ry?</h2>"}}));
    }

    void tickStatesComeBackFromTheirValues() {
        std::mt19937 engine(5);
        for (int run = 0; run < 500; ++run) {
            TechChoice tech;
            for (bool& tick : tech.ticked)
                tick = engine() % 2;
            QCOMPARE(ReadTechList(GetTechList(tech.ticked, false)), tech);
            AllyChoice allies;
            for (bool& tick : allies.ticked)
                tick = engine() % 2;
            const int owner = 1 + run % 8;
            QCOMPARE(ReadAllyList(GetAllyList(allies.ticked, owner), owner), allies);
        }
        TechChoice all;
        all.ticked.fill(true);
        all.allTechnology = true;
        QCOMPARE(ReadTechList("all"), all);
    }

    void linesNotKeptCompareAsAMultiset() {
        QCOMPARE(LinesNotKept({"a", "b", "a", "c"}, {"a", "b\r\nx"}),
                 (Reported{{3, "a"}, {4, "c"}}));
        QCOMPARE(LinesNotKept({"a", "", "b"}, {"a\r\n", "b"}), Reported{});
        QVERIFY(SavesTheSameLines({"a", "", "b"}, {"a\r\n", "b"}));
        QVERIFY(!SavesTheSameLines({"b", "a"}, {"a", "b"}));
    }
};

QTEST_APPLESS_MAIN(ReadersTest)
#include "test_readers.moc"
