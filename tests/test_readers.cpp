#include "GeneratedSettings.h"
#include "WorkedExample.h"
#include "core/campaign/CampaignReader.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionReader.h"
#include "core/mission/MissionWriter.h"
#include "core/saving/FileBounds.h"
#include "core/text/FileKind.h"
#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <random>

using namespace vornask;
using namespace std::string_literals;
using Lines = std::vector<std::string>;
using Reported = std::vector<FileLine>;

namespace {

using testing::CampaignBytes;
using testing::MissionBytes;
using testing::SeededChoices;

// The largest guide the reader takes, whose rows are each `row` repeated to the longest line
// it takes, then `end`.
std::string GuideOfLongRows(std::string_view row, std::string_view end) {
    std::string bytes = "title = \"T\"\r\n\r\n[Overview]\r\n<h2>T</h2>\r\n<p>\r\nText\r\n\r\n";
    std::string line = "$Checked=1 ";
    while (line.size() + row.size() + end.size() < kMaxLineBytes)
        line += row;
    line.append(end).append("\r\n");
    while (bytes.size() + line.size() <= kMaxReadableFileBytes)
        bytes += line;
    return bytes;
}

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
        QVERIFY(campaign.settings.Sequential);
        QCOMPARE(CampaignBytes(campaign.settings), JoinLinesCrLf(kWorkedExampleCampaignLines));
    }

    // Reading a guide takes time linear in its size, also when its rows are as long as a line
    // may be and full of what a mission row is split at: the largest guide of such rows reads
    // about as fast as one of plain rows. Split by trying each ",MissionBegin," against the end
    // of the row anew, it took six to twelve times as long.
    void aGuideIsReadInTimeLinearInItsSize() {
        const std::string split = GuideOfLongRows("x,MissionBegin,", "a,{Donea},1");
        const std::string plain = GuideOfLongRows("abcdefghijklmn", "");
        const CampaignFileReading read = ReadCampaignFile(split);
        QVERIFY(!read.report.refusal && read.report.notKept.empty());
        QCOMPARE(read.settings.missions.front().name, std::string("a"));
        // The shortest of five readings, the one least disturbed, in milliseconds.
        const auto readingTime = [](const std::string& bytes) {
            double shortest = 1e9;
            for (int run = 0; run < 5; ++run) {
                QElapsedTimer timer;
                timer.start();
                static_cast<void>(ReadCampaignFile(bytes));
                shortest = std::min(shortest, timer.nsecsElapsed() / 1e6);
            }
            return shortest;
        };
        const double splitTime = readingTime(split);
        const double plainTime = readingTime(plain);
        qInfo("4 MB guide of long mission rows: %.0f ms; of plain rows: %.0f ms", splitTime,
              plainTime);
        QVERIFY2(splitTime < 3 * plainTime + 20, "reading grows faster than the guide");
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
        // As large as a file may be, of lines as long as a line may be.
        std::string largest = mission;
        const std::string longest(kMaxLineBytes, 'x');
        while (largest.size() + longest.size() + 2 <= kMaxReadableFileBytes)
            largest += longest + "\r\n";
        const std::size_t rest = kMaxReadableFileBytes - largest.size();
        largest +=
            rest > kMaxLineBytes ? std::string(rest - 2, 'x') + "\r\n" : std::string(rest, 'x');
        QCOMPARE(largest.size(), kMaxReadableFileBytes);
        QCOMPARE(ReadMissionFile(largest).report.refusal, std::nullopt);
        QCOMPARE(ReadMissionFile(mission + longest + "x\r\n" + longest).report.refusal,
                 std::optional(Refusal{RefusalReason::LineTooLong, 53}));

        QCOMPARE(DetectFileKind(mission), FileKind::Mission);
        QCOMPARE(DetectFileKind(std::string(kUtf8ByteOrderMark) + guide), FileKind::CampaignGuide);
        QCOMPARE(DetectFileKind("[Headers]\n[Overviews]"), FileKind::Unknown);
        QCOMPARE(DetectFileKind("x\n [header] \n"), FileKind::Mission);
        QCOMPARE(DetectFileKind("x\r[Overview]\r\n[Header]"), FileKind::CampaignGuide);
    }

    // What the pages hold is bounded as a file is: the program never writes what it would not
    // open again.
    void textsAndSavedFilesKeepTheBoundsOfReadOnes() {
        const auto lines = [](std::size_t count) {
            std::string text = "first";
            for (std::size_t i = 1; i < count; ++i)
                text += "\r\nline";
            return text;
        };
        MissionSettings mission;
        mission.opponent(8).enabled = true;
        mission.entryBox.BackgroundStoryBox = lines(kMaxTextLines);
        mission.events.of(8, OpponentEvent::PriestDead).text = lines(kMaxTextLines);
        QCOMPARE(TextBoundsRefusal(mission), std::nullopt);
        QCOMPARE(BoundsRefusalOfSaving(MissionBytes(mission), FileKind::Mission), std::nullopt);
        mission.events.of(8, OpponentEvent::PriestDead).text = lines(kMaxTextLines + 1);
        const std::optional tooLong = Refusal{RefusalReason::TextTooLong, kMaxTextLines + 1};
        QCOMPARE(TextBoundsRefusal(mission), tooLong);
        QCOMPARE(BoundsRefusalOfSaving(MissionBytes(mission), FileKind::Mission), tooLong);

        CampaignSettings campaign = WorkedExampleCampaign();
        campaign.CampaignText.assign(kMaxTextLines, "x");
        QCOMPARE(BoundsRefusalOfSaving(CampaignBytes(campaign), FileKind::CampaignGuide),
                 std::nullopt);
        campaign.CampaignText.push_back("x");
        QCOMPARE(BoundsRefusalOfSaving(CampaignBytes(campaign), FileKind::CampaignGuide), tooLong);
        campaign.CampaignText = {std::string(kMaxLineBytes + 1, 'x')};
        QCOMPARE(BoundsRefusalOfSaving(CampaignBytes(campaign), FileKind::CampaignGuide),
                 std::optional(Refusal{RefusalReason::LineTooLong, 7}));
        // A source edited without its section header is the user's own business.
        QCOMPARE(BoundsRefusalOfSaving("[Header]\r\n", FileKind::CampaignGuide), std::nullopt);
        QCOMPARE(BoundsRefusalOfSaving("title = \"x\"\r\n", FileKind::Mission), std::nullopt);
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

    // Windows Notepad's "Unicode" is UTF-16 with its mark, in either byte order; Linux editors
    // write UTF-8 without a mark, which is read as such only when the user says so.
    void utf16AndUnmarkedUtf8AreReadAsText() {
        MissionSettings s = WorkedExampleMission();
        s.general.title = "\xCEle \x80"; // "Île €"
        const std::string ansi = MissionBytes(s);
        const std::string guide = CampaignBytes(WorkedExampleCampaign());
        const auto utf16 = [](std::string_view mark, std::u16string text) {
            std::string bytes(mark);
            for (const char16_t unit : text) {
                const char pair[] = {char(unit & 0xFF), char(unit >> 8)};
                bytes += mark == kUtf16BigEndianMark ? std::string{pair[1], pair[0]}
                                                     : std::string{pair[0], pair[1]};
            }
            return bytes;
        };
        for (const std::string_view mark : {kUtf16LittleEndianMark, kUtf16BigEndianMark}) {
            std::u16string text = DecodeWindows1252(ansi);
            // A character the code page lacks and a surrogate without its partner.
            text.replace(text.find(u"Victory"), 7, u"Vict\u4e2dry\xd800");
            const MissionFileReading read = ReadMissionFile(utf16(mark, text));
            QCOMPARE(read.report.refusal, std::nullopt);
            QCOMPARE(read.report.encoding, TextEncoding::Utf16);
            QCOMPARE(read.settings.general.title, s.general.title);
            QCOMPARE(read.settings.events.Succeeded.heading, std::string("Vict?ry?"));
            QCOMPARE(read.report.replacedCharacters, (Reported{{37, "<h2>Vict?ry?</h2>"}}));
            QCOMPARE(DetectFileKind(utf16(mark, DecodeWindows1252(guide))),
                     FileKind::CampaignGuide);
            QVERIFY(ReadCampaignFile(utf16(mark, DecodeWindows1252(guide))).settings ==
                    ReadCampaignFile(guide).settings);
            // A NUL is refused as text, not because UTF-16 holds zero bytes; an odd last byte
            // is one broken character.
            QCOMPARE(ReadMissionFile(utf16(mark, u"[Header]\r\nx\0"s)).report.refusal,
                     std::optional(Refusal{RefusalReason::HoldsNulByte, 2}));
            QCOMPARE(ReadMissionFile(utf16(mark, u"[Header]\r\n"s) + "x").report.replacedCharacters,
                     (Reported{{2, "?"}}));
        }

        MissionSettings inUtf8 = s;
        inUtf8.general.title = "\xC3\x8Ele \xE2\x82\xAC";
        const std::string utf8 = MissionBytes(inUtf8);
        QVERIFY(LooksLikeUtf8(utf8));
        QCOMPARE(ReadMissionFile(utf8).settings.general.title,
                 std::string("\xC3\x8Ele \xE2\x82\xAC"));
        const MissionFileReading read = ReadMissionFile(utf8, TextDecoding::Utf8);
        QCOMPARE(read.report.encoding, TextEncoding::Utf8);
        QVERIFY(read.settings == testing::AsReadBack(s) && read.report.notKept.empty());
        const struct {
            std::string bytes;
            bool utf8;
        } looks[] = {
            {"[Header]\r\nonly ASCII", false},
            {"caf\xC3\xA9", true},
            {"caf\xE9", false},           // Windows-1252
            {"\xC3\xA9 and \xC3", false}, // cut short
            {"\xED\xA0\x80", false},      // a surrogate
            {"\xC0\xAF", false},          // overlong
            {"\xEF\xBB\xBF"
             "caf\xC3\xA9",
             false}, // marked: read as UTF-8 anyway
        };
        for (const auto& [bytes, expected] : looks)
            QVERIFY2(LooksLikeUtf8(bytes) == expected, bytes.c_str());
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
