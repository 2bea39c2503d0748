// The check of missions and guides as the game reads them, over folders in memory: each finding
// on a file of our own with its line, and none on any file the writers write.
#include "GeneratedSettings.h"
#include "MadeUpFolder.h"
#include "core/check/FileCheck.h"
#include "core/check/GameVocabulary.h"
#include "core/mission/HeaderKeys.h"
#include "core/mission/MissionFormat.h"
#include "core/text/TextLines.h"
#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"

#include <QTest>
#include <map>

using namespace vornask;
using vornask::test::MadeUpFolder;
using Kind = FindingKind;

namespace {

// A finding as one line of text, so that a failed comparison shows what differs.
QString Described(const Finding& f) {
    QString text = QStringLiteral("%1: kind %2").arg(f.line).arg(static_cast<int>(f.kind));
    for (const std::string* part : {&f.subject, &f.key, &f.hint})
        if (!part->empty())
            text += QStringLiteral(" '%1'").arg(QString::fromLatin1(part->c_str()));
    if (f.number)
        text += QStringLiteral(" #%1").arg(f.number);
    if (f.campaign)
        text += QStringLiteral(" mission %1 %2 kind %3")
                    .arg(f.campaign->mission)
                    .arg(QString::fromStdString(f.campaign->file))
                    .arg(static_cast<int>(f.campaign->kind));
    return text;
}

QStringList Described(const std::vector<Finding>& findings) {
    QStringList lines;
    for (const Finding& finding : findings)
        lines << Described(finding);
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    return JoinLinesCrLf(lines);
}

// A mission that uses what the checker looks at, right: no finding. The numbers are its lines.
const std::vector<std::string> kMission = {
    "; made by hand",                                   // 1
    "[Header]",                                         // 2
    "missionType = \"Tutorial\"",                       // 3
    "myTech = \"sunCannon;WINDBALLOON;all\"",           // 4
    "myAllyList = \"2; 8\"",                            // 5
    "title = \"Test <?x>\"",                            // 6
    "ai2Name = \"Foe\"",                                // 7
    "ai2AllyList = \"1;\"",                             // 8
    "ai2Color = \"lightBlue\"",                         // 9
    "ai2Ability = \"!USE_PRIEST_TO_COLLECT\"",          // 10
    "[Options]",                                        // 11
    "[A.]",                                             // 12
    "<h2>Test</h2>",                                    // 13
    "<p>Story <?{DoneX}>only after X, [not] a header.", // 14
    "  [indented, so text",                             // 15
    "$Button=Hints, more hints,Tell, Hints ",           // 16
    "$Button=Play Mission,DoNothing,0",                 // 17
    "[hints]",                                          // 18
    "<p>Hold the bridge.",                              // 19
    "$timeout= 8,tell,A.",                              // 20
    "[Succeeded][BadTeamDead]",                         // 21
    "<h2>Won</h2>",                                     // 22
    "<$Config,Done{mission.fileName}=1>",               // 23
    "$Button=Next Mission,MissionBegin,island2",        // 24
    "$Button=Back,MissionBegin,Own",                    // 25
    "[ai2TempleDead]",                                  // 26
    "<h2>x</h2>",                                       // 27
    "[@30]",                                            // 28
    "$Menu=Hints,Tell,Hints",                           // 29
    "<$Tell,Hints>",                                    // 30
    "[Failed]",                                         // 31
    "<h2>Lost</h2>",                                    // 32
    "$Button=Continue,Tell,TryAgain",                   // 33
    "$Button=Campaigns,Tell,campaign",                  // 34
    "",                                                 // 35
    "[END]",                                            // 36
    "[Notes] after the end, not read: $Buton <?",       // 37
};

// The mission with line `line` (from 1) replaced by `text`.
std::string MissionWith(std::size_t line, const std::string& text) {
    std::vector<std::string> lines = kMission;
    lines.at(line - 1) = text;
    return Joined(lines);
}

// Folders that hold the mission's next missions: one beside it, one in the game's folder.
struct Folders {
    MadeUpFolder beside{{{"Island2.english", {"[Header]\r\n", {}}}}};
    MadeUpFolder game{{{"OWN.ENGLISH", {"[Header]\r\n", {}}}}};
    CheckFolders Both() { return {beside, &game}; }
};

std::vector<Finding> MissionFindings(const std::string& bytes) {
    Folders folders;
    const FileCheck check = CheckMission(bytes, folders.Both());
    if (check.refusal)
        qWarning("refused");
    return check.findings;
}

const std::string kDoneLine = "<$Config,Done{mission.fileName}=1>";

// Settings whose texts the game reads as typed: no line of a text starts with "[", and no text
// holds a condition. The generator's texts as typed may hold both.
MissionSettings WithPlainTexts(MissionSettings s) {
    const auto plain = [](std::string& text) {
        std::vector<std::string> lines = SplitAtBreaks(text);
        text.clear();
        for (std::size_t i = 0; i < lines.size(); ++i) {
            std::string& line = lines[i];
            for (std::size_t at = line.find("<?"); at != std::string::npos; at = line.find("<?"))
                line[at + 1] = '!';
            text.append(i > 0 ? "\r\n" : "").append(line.starts_with('[') ? "t" + line : line);
        }
    };
    for (const HeaderKey& key : HeaderKeys())
        if (key.field)
            plain(*key.field(s, key.side));
    for (std::string* text :
         {&s.entryBox.QuoteTextBox, &s.entryBox.QuoteAuthorBox, &s.entryBox.BackgroundStoryBox,
          &s.events.Succeeded.heading, &s.events.Succeeded.text, &s.events.Failed.heading,
          &s.events.Failed.text})
        plain(*text);
    for (auto& opponent : s.events.opponent)
        for (EventMessage& message : opponent) {
            plain(message.heading);
            plain(message.text);
        }
    return s;
}

// The name of mission `name`'s file in a folder, as the checks look for it.
std::string FileNameOf(const std::string& name) {
    std::string utf8;
    for (char16_t c : DecodeWindows1252(name))
        AppendUtf8(utf8, c);
    return utf8 + std::string(kMissionFileExtension);
}

} // namespace

class CheckTest : public QObject {
    Q_OBJECT
private slots:
    void aRightMissionHasNoFinding() {
        QCOMPARE(Described(MissionFindings(Joined(kMission))), QStringList());
    }

    // Each finding of a mission, on the mission above with one line changed.
    void eachMissionFinding_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, int line, const char* text, const Finding& f) {
            QTest::newRow(name) << line << QByteArray(text) << QStringList{Described(f)};
        };
        row("a key twice", 9, "TITLE=\"Again\"", {Kind::KeyTwice, 9, "TITLE", {}, {}, 6});
        row("an unknown knowledge item", 4, "myTech = \"sunCanon;windBalloon\"",
            {Kind::UnknownKnowledge, 4, "sunCanon", "myTech", "sunCannon"});
        row("the Bulf's old name", 4, "mytech=thunderWalker",
            {Kind::UnknownKnowledge, 4, "thunderWalker", "mytech", "bulf"});
        row("an opponent's knowledge", 10, "ai2Tech = \"all;rainWalkr\"",
            {Kind::UnknownKnowledge, 10, "rainWalkr", "ai2Tech", "rainWalker"});
        row("an ally that is no side", 8, "ai2AllyList = \"1;9;\"",
            {Kind::UnknownAlly, 8, "9", "ai2AllyList"});
        row("a colour the game ignores", 9, "ai2Color = \"cyan\"",
            {Kind::UnknownColour, 9, "cyan", "ai2Color"});
        row("magenta", 9, "AI2COLOR = magenta", {Kind::UnknownColour, 9, "magenta", "AI2COLOR"});
        row("an opponent of side 9", 10, "ai9Name = \"Nine\"",
            {Kind::OpponentOutOfRange, 10, "ai9Name"});
        row("an opponent of side 1", 10, "ai1Tech = \"all\"",
            {Kind::OpponentOutOfRange, 10, "ai1Tech"});
        row("an opponent of side 22", 10, "ai22Color = red",
            {Kind::OpponentOutOfRange, 10, "ai22Color"});
        row("a misspelt button", 17, "$Buton=Play Mission,DoNothing,0",
            {Kind::UnknownCommand, 17, "$Buton", {}, "$Button"});
        row("a misspelt action", 24, "$Button=Next Mission,MssionBegin,Island2",
            {Kind::UnknownCommand, 24, "MssionBegin", {}, "MissionBegin"});
        row("a misspelt tag", 23, "<$Confg,Done{mission.fileName}=1>",
            {Kind::UnknownCommand, 23, "<$Confg", {}, "<$Config"});
        row("a button without action", 17, "$Button=Play Mission",
            {Kind::NoCommand, 17, "$Button"});
        row("a Tell of no section", 33, "$Button=Continue,Tell,Retry",
            {Kind::TellOfMissingSection, 33, "Retry"});
        row("a section nothing shows", 35, "[Unseen]", {Kind::SectionNotShown, 35, "[Unseen]"});
        row("a condition never closed", 19, "<p>Hold <?{DoneX} the bridge.",
            {Kind::ConditionNotClosed, 19});
        row("a condition too long", 19, ("<p><?" + std::string(76, 'x') + "> ok").c_str(),
            {Kind::ConditionTooLong, 19, {}, {}, {}, 79});
        row("a next mission nowhere", 24, "$Button=Next Mission,MissionBegin,Island3",
            {Kind::MissionFileMissing, 24, "Island3"});
        row("a text line that starts a section", 19, "[Hold] the bridge.",
            {Kind::TextLineStartsSection, 19});
    }
    void eachMissionFinding() {
        QFETCH(int, line);
        QFETCH(QByteArray, text);
        QFETCH(QStringList, expected);
        QCOMPARE(Described(MissionFindings(MissionWith(line, text.toStdString()))), expected);
    }

    // The highest figures the game still takes, and one past them.
    void conditionsUpTo78Characters() {
        const std::string fits = "<?" + std::string(75, 'x') + ">";
        QCOMPARE(Described(MissionFindings(MissionWith(19, fits + fits))), QStringList());
        QCOMPARE(Described(MissionFindings(
                     MissionWith(19, fits + " <?" + std::string(76, 'y') + "> and <?z"))),
                 (QStringList{Described({Kind::ConditionTooLong, 19, {}, {}, {}, 79}),
                              Described({Kind::ConditionNotClosed, 19})}));
    }

    // A next mission is looked for beside the file first: the game's folder is listed only
    // when one is not there, and without the game's folder only beside it.
    void nextMissionsBesideTheFileThenInTheGamesFolder() {
        Folders folders;
        const std::string onlyBeside = MissionWith(25, "");
        QVERIFY(CheckMission(onlyBeside, folders.Both()).findings.empty());
        QCOMPARE(folders.beside.listings, 1);
        QCOMPARE(folders.game.listings, 0);
        QVERIFY(CheckMission(Joined(kMission), folders.Both()).findings.empty());
        QCOMPARE(folders.game.listings, 1);
        QCOMPARE(Described(CheckMission(Joined(kMission), {folders.beside}).findings),
                 QStringList{Described({Kind::MissionFileMissing, 25, "Own"})});
    }

    void whatIsNoMissionIsRefused() {
        Folders folders;
        QCOMPARE(CheckMission("[Overview]\r\n", folders.Both()).refusal,
                 Refusal{RefusalReason::NoHeaderSection});
        QCOMPARE(CheckMission(std::string("[Header]\r\n\0", 11), folders.Both()).refusal,
                 (Refusal{RefusalReason::HoldsNulByte, 2}));
        QCOMPARE(CheckFile("no header", folders.Both()).kind, FileKind::Unknown);
    }

    // The nearest known word, letter case aside; the first among equals.
    void theNearestWordIsTheHint() {
        QCOMPARE(NearestLineCommand("Check"), std::string("Checked"));
        QCOMPARE(NearestAction("tel"), std::string("Tell"));
        QCOMPARE(NearestWord("", std::vector<std::string_view>{}), std::nullopt);
    }

    // A guide: its rows as the campaign check finds them, each at its line; a row whose action
    // is no command; and the findings in each mission file it names, once each.
    void aGuidesFindings() {
        const std::vector<std::string> guide = {
            "title = \"Saga\"",                                        // 1
            "[Overview]",                                              // 2
            "<h2>Saga</h2>",                                           // 3
            "<p>Intro.",                                               // 4
            "$Checked=1 Ice,MissionBegin,Ice,{DoneIce},1",             // 5
            "$Checked=2 Lake,MissionBegin,Lake,{DoneLake},{DoneIce}",  // 6
            "$Checked=3 Gone,MissionBegin,Gone,{DoneGone},{DoneLake}", // 7
            "$Checked=4 Locked,MissionBegin,Locked,{DoneLocked},1",    // 8
            "$Checked=5 Typo,MisionBegin,Typo,{DoneTypo},1",           // 9
            "$Checked=6 Ice again,MissionBegin,ice,{Doneice},1",       // 10
            "$Button=Back,Tell,Campaign",                              // 11
        };
        Folders folders;
        folders.beside.Put("Ice.english", {MissionWith(23, ""), {}});
        folders.beside.Put("Lake.english", {MissionWith(9, "ai2Color = cyan"), {}});
        folders.beside.Put("Locked.english", {std::nullopt, "Permission denied"});
        const FileCheck check = CheckGuide(Joined(guide), folders.Both());
        QCOMPARE(check.kind, FileKind::CampaignGuide);
        const auto row = [](std::size_t line, std::size_t waiting, CampaignFinding found) {
            return Finding{Kind::CampaignMission, line, {}, {}, {}, waiting, std::move(found)};
        };
        using CKind = CampaignFindingKind;
        QCOMPARE(Described(check.findings),
                 Described(std::vector<Finding>{
                     row(5, 6, {CKind::NeverDone, 0, "Ice.english", {}, {}, 1}),
                     row(7, 0, {CKind::MissingFile, 2, "Gone.english"}),
                     row(8, 0, {CKind::CannotRead, 3, "Locked.english", "Permission denied"}),
                     {Kind::UnknownCommand, 9, "MisionBegin", {}, "MissionBegin"},
                 }));
        QCOMPARE(check.findings[2].campaign->reason, std::string("Permission denied"));
        QCOMPARE(check.missionFiles.size(), std::size_t{1});
        QCOMPARE(check.missionFiles[0].file, std::string("Lake.english"));
        QVERIFY(!check.missionFiles[0].inGameFolder);
        QCOMPARE(Described(check.missionFiles[0].findings),
                 QStringList{Described({Kind::UnknownColour, 9, "cyan", "ai2Color"})});
        QCOMPARE(check.Count(), std::size_t{5});
        QCOMPARE(CheckFile(Joined(guide), folders.Both()).Count(), std::size_t{5});
    }

    // A guide's missions are found beside it, else in the game's folder; a file found there is
    // said to be there.
    void aGuidesMissionsInTheGamesFolder() {
        MadeUpFolder beside;
        MadeUpFolder game({{"Own.english", {MissionWith(9, "ai2Color = cyan"), {}}}});
        const std::string guide =
            Joined({"[Overview]", "$Checked=1 Own,MissionBegin,Own,{DoneOwn},1"});
        const FileCheck check = CheckGuide(guide, {beside, &game});
        QCOMPARE(Described(check.findings), QStringList());
        QCOMPARE(check.missionFiles.size(), std::size_t{1});
        QVERIFY(check.missionFiles[0].inGameFolder);
        QCOMPARE(Described(CheckGuide(guide, {beside}).findings).size(), 1);
    }

    // A mission that waits for the flag of one further down the guide is named at its line,
    // with the line of that one; the rows the findings count are the guide's, the game's demo
    // among them, which is no finding.
    void aGuidesMissionThatWaitsForALaterOne() {
        const std::string guide =
            Joined({"[Overview]",                                                   // 1
                    "$Checked=1 Ice,MissionBegin,Ice,{DoneIce},{DoneLake}",         // 2
                    "$Checked=2 Demo,StartDemo,DEMOFw,{DoneDemo},1",                // 3
                    "$Checked=3 Lake,MissionBegin,Lake,{DoneLake},{DoneIce}",       // 4
                    "$Checked=4 Fjord,MissionBegin,Fjord,{DoneFjord},{DoneLake}"}); // 5
        Folders folders;
        for (const char* file : {"Ice.english", "Lake.english", "Fjord.english"})
            folders.beside.Put(file, {Joined(kMission), {}});
        const FileCheck check = CheckGuide(guide, folders.Both());
        // Line 2 waits for the mission of line 4, row 2.
        const Finding waits{
            Kind::CampaignMission,
            2,
            {},
            {},
            {},
            4,
            CampaignFinding{CampaignFindingKind::WaitsForLater, 0, "Ice.english", {}, {}, 2}};
        QCOMPARE(Described(check.findings), QStringList{Described(waits)});
        QCOMPARE(check.findings[0].campaign->other, std::size_t{2});
        QCOMPARE(check.guideRows.size(), std::size_t{4});
        QCOMPARE(check.guideRows[1].title, std::string("Demo"));
        QVERIFY(!check.guideRows[1].startsMission);
    }

    // The sections the game opens itself are of the opponents' sides only, 2 to 8; those of
    // the writers' files the property test below shows.
    void onlyTheOpponentsEventsAreOpenedByTheGame() {
        for (const char* name : {"AI8PRIESTDEAD", "@1"})
            QVERIFY2(IsOpenedByTheGame(name), name);
        for (const char* name : {"ai1TempleDead", "ai9PriestDead", "ai2Temple", "init"})
            QVERIFY2(!IsOpenedByTheGame(name), name);
    }

    // A file this program writes, with nothing changed, holds no finding: missions of any
    // values whose texts the game reads as text, and guides of any missions, found beside it.
    void theWritersFilesHoldNoFinding() {
        testing::SeededChoices choices{std::mt19937(27)};
        testing::SettingsGenerator generator(choices, testing::GeneratedTexts::AsTyped);
        for (int round = 0; round < 150; ++round) {
            MadeUpFolder beside;
            const MissionSettings mission = WithPlainTexts(generator.Mission());
            beside.Put(FileNameOf(mission.finish.MissionName), {"[Header]\r\n", {}});
            const std::string missionBytes = testing::MissionBytes(mission);
            const FileCheck missionCheck = CheckMission(missionBytes, {beside});
            QVERIFY2(!missionCheck.refusal && missionCheck.findings.empty(),
                     qPrintable(Described(missionCheck.findings).join(QLatin1Char('\n'))));

            const CampaignSettings campaign = generator.Campaign();
            for (const CampaignMission& row : campaign.missions)
                beside.Put(FileNameOf(row.name), {missionBytes, {}});
            const FileCheck guideCheck = CheckGuide(testing::CampaignBytes(campaign), {beside});
            QVERIFY2(!guideCheck.refusal && guideCheck.Count() == 0,
                     qPrintable(Described(guideCheck.findings).join(QLatin1Char('\n'))));
        }
    }
};

QTEST_APPLESS_MAIN(CheckTest)
#include "test_check.moc"
