// Opened files as documents: the forms the game's own files use are read, saving unchanged
// writes every byte again, and saving one changed value changes that value's lines alone.
#include "GeneratedSettings.h"
#include "WorkedExample.h"
#include "core/campaign/CampaignReader.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/HeaderKeys.h"
#include "core/mission/MissionReader.h"
#include "core/mission/MissionWriter.h"
#include "core/text/TextLines.h"

#include <QFile>
#include <QTest>
#include <algorithm>
#include <functional>
#include <random>
#include <set>

using namespace vornask;
using Lines = std::vector<std::string>;

namespace {

using testing::CampaignBytes;
using testing::MissionBytes;
using testing::SeededChoices;

std::string Joined(const Lines& lines, const std::string& lineBreak) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + lineBreak;
    return bytes;
}

// The hand-made files of tests/data, in the forms the game's own files use.
std::string DataFile(const char* name) {
    QFile file(QStringLiteral(VORNASK_TEST_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", name);
    return file.readAll().toStdString();
}

// A mission as map makers write them by hand: lower-case keys, unquoted numbers, spaces or
// none around "=", a list in its own order with an item the lists do not show, a misspelt key,
// custom sections, a heading and its text on one line, "<P>", the next mission's button before
// the button to leave, text before the first section and after the last. LF line ends.
const std::string& HandMadeMission() {
    static const std::string bytes = DataFile("IceFortress.english");
    return bytes;
}

// A guide written by hand: missions on both sides of the button back, conditions of its own.
const std::string& HandMadeGuide() {
    static const std::string bytes = DataFile("GuideIceSaga.english");
    return bytes;
}

// `file` with line `at` (from 0) replaced by `replacement` (several lines, or none).
Lines Replaced(Lines file, std::size_t at, const Lines& replacement, std::size_t count = 1) {
    file.erase(file.begin() + at, file.begin() + at + count);
    file.insert(file.begin() + at, replacement.begin(), replacement.end());
    return file;
}

// The writer's lines of a mission with the changes a hand would make: any of lower-case keys,
// spacing around "=", unquoted numbers, "[header]", "[Succeeded][BadTeamDead]", "<P>", custom
// sections and unknown keys, text around the sections, LF line ends.
std::string HandMade(const MissionSettings& s, SeededChoices& choices) {
    MissionLines written;
    BuildMissionLines(s, written);
    const Lines lines = SplitLines(JoinLinesCrLf(written)); // one entry per line
    const auto coin = [&choices] { return choices.Number(0, 1) == 1; };
    const bool lowerKeys = coin();
    Lines out;
    if (coin())
        out.push_back("; by hand");
    bool inHeader = false;
    bool paragraphSeen = false; // a section's first "<p>" starts its text; later ones are text
    for (const std::string& line : lines) {
        std::string edited = line;
        if (SectionNames(line)) {
            inHeader = line == "[Header]";
            paragraphSeen = false;
        }
        if (line == "[Header]" && coin())
            edited = "[header]";
        else if (line == "[Succeeded]" && coin())
            edited = "[Succeeded][BadTeamDead]";
        else if (line == "[Failed]" && coin())
            out.insert(out.end(), {"[@1]", "$Menu=Hints,Tell,Hints", ""});
        else if (line.starts_with("<p>") && !std::exchange(paragraphSeen, true) && coin())
            edited = "<P>" + line.substr(3);
        if (inHeader)
            if (const std::optional<KeyLine> key = ParseKeyLine(line)) {
                const std::string name(key->Key(line));
                const std::string value(key->Value(line));
                const bool digits =
                    !value.empty() && value.find_first_not_of("0123456789") == std::string::npos;
                const char* const spacings[] = {" = ", "=", " =", "= "};
                edited = (lowerKeys ? LowerCase(name) : name) + spacings[choices.Number(0, 3)] +
                         (digits && coin() ? value : "\"" + value + "\"");
                if (coin())
                    out.push_back("unknownKey" + std::to_string(out.size()) + " = \"x\"");
            }
        out.push_back(edited);
        if (line == "[Options]" && coin())
            out.insert(out.end(), {"", "[init]", "<$GetTechnology,76>"});
    }
    if (coin())
        out.push_back("after the end");
    return Joined(out, coin() ? "\n" : "\r\n");
}

// The lines of the original file that a change of one value may touch.
using LineSet = std::set<std::size_t>;

void AddRange(LineSet& set, std::size_t begin, std::size_t end) {
    for (std::size_t i = begin; i < end; ++i)
        set.insert(i);
}

void AddText(LineSet& set, const std::optional<std::size_t>& paragraph,
             const std::optional<TextPlace>& text) {
    if (!text)
        return;
    const TextRange& range = text->range;
    AddRange(set, paragraph.value_or(range.begin.line),
             text->wholeLines ? range.end.line : range.end.line + 1);
}

void AddMessage(LineSet& set, const MissionDocument& d, const MessagePlace& place) {
    if (!place.section)
        return;
    const Section& section = d.sections[*place.section];
    AddRange(set, section.header, section.end); // an emptied event may take its section along
}

// One value of the mission changed to that of `other`, and the lines it may touch.
struct Change {
    const char* what;
    std::function<void(MissionSettings&, const MissionSettings&, int side)> apply;
    std::function<void(LineSet&, const MissionDocument&, int side)> lines;
};

void AddKey(LineSet& set, const MissionDocument& d, std::string_view name) {
    if (const auto& place = d.keys[*FindHeaderKey(name)])
        set.insert(place->line);
}

const std::vector<Change>& Changes() {
    using S = MissionSettings&;
    using O = const MissionSettings&;
    using D = const MissionDocument&;
    const auto key = [](std::string name) {
        return [name](LineSet& set, D d, int side) {
            AddKey(set, d, name.starts_with("ai") ? OpponentKey(side, name.substr(2)) : name);
        };
    };
    static const std::vector<Change> changes = {
        {"title", [](S s, O o, int) { s.general.title = o.general.title; },
         [](LineSet& set, D d, int) {
             AddKey(set, d, "title");
             if (d.entryBox.HeadingLine())
                 set.insert(*d.entryBox.HeadingLine());
         }},
        {"number", [](S s, O o, int) { s.general.missionNumber = o.general.missionNumber; },
         key("missionNumber")},
        {"geysers", [](S s, O o, int) { s.general.randGeysers = o.general.randGeysers; },
         key("randGeysers")},
        {"money", [](S s, O o, int) { s.player.myStartMoney = o.player.myStartMoney; },
         key("myStartMoney")},
        {"tech", [](S s, O o, int) { s.player.myTech = o.player.myTech; }, key("myTech")},
        {"allies",
         [](S s, O o, int side) { s.opponent(side).allyList = o.opponent(side).allyList; },
         key("aiAllyList")},
        {"name", [](S s, O o, int side) { s.opponent(side).name = o.opponent(side).name; },
         key("aiName")},
        {"ability",
         [](S s, O o, int side) { s.advancedOf(side).Ability = o.advancedOf(side).Ability; },
         key("aiAbility")},
        {"quote", [](S s, O o, int) { s.entryBox.QuoteTextBox = o.entryBox.QuoteTextBox; },
         [](LineSet& set, D d, int) { set.insert(d.entryBox.quote->begin.line); }},
        {"story",
         [](S s, O o, int) { s.entryBox.BackgroundStoryBox = o.entryBox.BackgroundStoryBox; },
         [](LineSet& set, D d, int) {
             AddText(set, d.entryBox.story->range.begin.line, d.entryBox.story);
         }},
        {"success", [](S s, O o, int) { s.events.Succeeded = o.events.Succeeded; },
         [](LineSet& set, D d, int) {
             if (d.succeeded.HeadingLine())
                 set.insert(*d.succeeded.HeadingLine());
             AddText(set, d.succeeded.paragraphLine, d.succeeded.text);
         }},
        {"event",
         [](S s, O o, int side) {
             s.events.of(side, OpponentEvent::PriestDead) =
                 o.events.of(side, OpponentEvent::PriestDead);
         },
         [](LineSet& set, D d, int side) { AddMessage(set, d, d.event(side, 4)); }},
        {"next mission",
         [](S s, O o, int) {
             s.finish.NextMissionCheck = o.finish.NextMissionCheck;
             s.finish.MissionName = o.finish.MissionName;
         },
         [](LineSet& set, D d, int) {
             if (d.NextMissionLine())
                 set.insert(*d.NextMissionLine());
         }},
        {"opponent",
         [](S s, O o, int side) {
             const bool enabled = !s.opponent(side).enabled;
             s.opponent(side) = o.opponent(side);
             s.opponent(side).enabled = enabled;
             s.advancedOf(side) = o.advancedOf(side);
             s.events.opponent[side - kFirstOpponent] = o.events.opponent[side - kFirstOpponent];
         },
         [](LineSet& set, D d, int side) {
             for (std::size_t line : d.opponentKeyLines[side - kFirstOpponent])
                 AddRange(set, line, line + 2); // and the blank line after its block
             for (int kind = 0; kind < kOpponentEventCount; ++kind)
                 AddMessage(set, d, d.event(side, kind));
         }},
    };
    return changes;
}

// Whether the lines of `original` outside `touched` stand in `saved` in the same order, with
// the same breaks.
bool KeepsTheOtherLines(const TextDocument& original, const TextDocument& saved,
                        const LineSet& touched) {
    std::size_t next = 0;
    for (std::size_t i = 0; i < original.LineCount(); ++i) {
        if (touched.count(i))
            continue;
        while (next < saved.LineCount() && saved.Lines()[next] != original.Lines()[i])
            ++next;
        if (next == saved.LineCount())
            return false;
        ++next;
    }
    return true;
}

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT
private slots:
    void handMadeMissionIsReadAsTheGameReadsIt() {
        const std::string& bytes = HandMadeMission();
        const MissionFileReading read = ReadMissionFile(bytes);
        QVERIFY(!read.report.refusal && read.report.notKept.empty());
        const MissionSettings& s = read.settings;
        QCOMPARE(s.general.missionType, std::string("Multiplayer"));
        QCOMPARE(s.general.missionNumber, std::string("3"));
        QCOMPARE(s.general.moreGeysers + s.general.randGeysers, std::string("10"));
        QCOMPARE(s.general.title, std::string("The Ice Fortress"));
        QCOMPARE(s.player.myStartMoney, std::string("750000"));
        // Ticks in table order, the item no list shows kept after them; "Bulf" is the Bulf.
        QCOMPARE(s.player.myTech, std::string("rainFence;windBalloon;bulf;sunwalker;"));
        QCOMPARE(s.player.myAllyList, std::string("2;"));
        QVERIFY(s.opponent(2).enabled && !s.opponent(4).enabled);
        QCOMPARE(s.opponent(2).name, std::string("Ice King"));
        QCOMPARE(s.opponent(2).startMoney, std::string("2500000"));
        QCOMPARE(s.advancedOf(2).Collectors + "/" + s.advancedOf(2).GeyserAttachments,
                 std::string("20/10"));
        QCOMPARE(s.advancedOf(2).Ability, std::string("!USE_PRIEST_TO_COLLECT;"));
        QCOMPARE(s.entryBox.QuoteTextBox, std::string("\"Cold is the heart\""));
        QCOMPARE(s.entryBox.QuoteAuthorBox, std::string("The Ice King"));
        QCOMPARE(s.entryBox.BackgroundStoryBox,
                 std::string("Long ago the ice came.\r\nIt never left."));
        QCOMPARE(s.events.Succeeded, (EventMessage{"Victory!", "The ice melts."}));
        QVERIFY(s.finish.NextMissionCheck);
        QCOMPARE(s.finish.MissionName, std::string("attackfortress"));
        QCOMPARE(s.events.of(2, OpponentEvent::PriestDead),
                 (EventMessage{"The King falls", "His priest is dead."}));
        QCOMPARE(s.events.Failed, (EventMessage{"Defeat", "The ice took you."}));
        QCOMPARE(SaveIntoDocument(read.document, s).Bytes(), bytes);
    }

    // Each change rewrites its own lines in the file's own style, and nothing else.
    void handMadeMissionChangesOnlyWhatChanged() {
        const MissionFileReading read = ReadMissionFile(HandMadeMission());
        const auto changed = [&](std::function<void(MissionSettings&)> change) {
            MissionSettings s = read.settings;
            change(s);
            return SplitLines(SaveIntoDocument(read.document, s).Bytes());
        };
        const Lines file = SplitLines(HandMadeMission());
        QCOMPARE(changed([](MissionSettings& s) { s.general.missionNumber = "4"; }),
                 Replaced(file, 3, {"missionnumber = 4"}));
        QCOMPARE(changed([](MissionSettings& s) { s.general.title = "Thaw"; }),
                 Replaced(Replaced(file, 9, {"title=\"Thaw\""}), 28, {"<h2>Thaw</h2>"}));
        QCOMPARE(
            changed([](MissionSettings& s) {
                s.player.myTech = "rainFence;windBalloon;bulf;windWalker;sunwalker;";
            }),
            Replaced(file, 7, {"mytech =\"rainFence;windBalloon;bulf;windWalker;sunwalker;\""}));
        QCOMPARE(changed([](MissionSettings& s) { s.advancedOf(2).Collectors = ""; }),
                 Replaced(file, 17, {"ai2collectors = \"\""}));
        QCOMPARE(changed([](MissionSettings& s) { s.advancedOf(2).TimeBetweenMoves = "0"; }),
                 Replaced(file, 19, {"ai2timebetweenmoves = \"0\"", file[19]}));
        QCOMPARE(changed([](MissionSettings& s) { s.entryBox.BackgroundStoryBox = "Thawed."; }),
                 Replaced(file, 30, {"<P>Thawed."}, 2));
        QCOMPARE(changed([](MissionSettings& s) { s.events.Succeeded.text = "Spring."; }),
                 Replaced(file, 37, {"<h2>Victory!</h2><p>Spring."}));
        QCOMPARE(changed([](MissionSettings& s) { s.finish.NextMissionCheck = false; }),
                 Replaced(file, 39, {}));
        // The opponent goes with its key lines and its event section, custom button and all;
        // the misspelt key that enables nothing stays.
        QCOMPARE(changed([](MissionSettings& s) { s.opponent(2).enabled = false; }),
                 Replaced(Replaced(file, 42, {}, 4), 12, {}, 8));
        QCOMPARE(changed([](MissionSettings& s) {
                     s.opponent(3).enabled = true;
                     s.events.of(3, OpponentEvent::TempleDead) = {"Cracked", ""};
                 }),
                 Replaced(Replaced(file, 46, {"[ai3TempleDead]", "<h2>Cracked</h2>", "<p>"}, 0), 20,
                          {"ai3name = \"Badguy #2\"", "ai3tech = \"\"", "ai3startmoney = \"0\"",
                           "ai3allylist = \"\"", "ai3color = \"white\"", "ai3collectors = \"\"",
                           "ai3bridgedrawrate = \"\"", "ai3geyserattachments = \"\"",
                           "ai3timebetweenmoves = \"\"", "ai3ability = \"\"", ""},
                          0));
    }

    // Forms of the game's files, each on the worked example: what the pages show, and the file
    // saved back unchanged.
    void formsOfTheGamesFilesAreReadAsTheGameReadsThem() {
        const Lines example = SplitLines(MissionBytes(WorkedExampleMission()));
        const std::size_t end =
            std::find(example.begin(), example.end(), "[END]") - example.begin();
        const struct {
            const char* what;
            Lines file;
            std::function<bool(const MissionSettings&)> shows;
        } cases[] = {
            // Each page shows what its own section holds: a stray header takes no text along.
            {"stray failure header", Replaced(example, 24, {"[Failed]", "[Options]"}),
             [](const MissionSettings& s) {
                 return s.events.Failed == EventMessage{"Defeat", "Your priest is lost."} &&
                        s.entryBox.BackgroundStoryBox == EntryBox{}.BackgroundStoryBox;
             }},
            {"the Bulf's old name", Replaced(example, 8, {"myTech = \"thunderWalker;outpost\""}),
             [](const MissionSettings& s) { return s.player.myTech == "bulf;outpost;"; }},
            {"text below its <p>", Replaced(example, 37, {"<P>", "", "The temple fell.", "Run."}),
             [](const MissionSettings& s) {
                 return s.events.Succeeded.text == "The temple fell.\r\nRun.";
             }},
            {"lower-case headers", Replaced(Replaced(example, 46, {"[failed]"}), 0, {"[HEADER]"}),
             [](const MissionSettings& s) { return s.events.Failed.heading == "Defeat"; }},
            {"numbers with spaces and zeros", Replaced(example, 3, {"  missionNumber=007  "}),
             [](const MissionSettings& s) { return s.general.missionNumber == "7"; }},
            {"unknown allies kept", Replaced(example, 9, {"myAllyList = \" 3 ; 9;1\""}),
             [](const MissionSettings& s) { return s.player.myAllyList == "3;9;1;"; }},
            // A section read for the keys is not read again for a message.
            {"a header naming two sections", Replaced(example, 0, {"[Header][Failed]"}),
             [](const MissionSettings& s) {
                 return s.events.Failed.heading == "Defeat" && s.general.missionNumber == "2";
             }},
            // An opponent that takes no part shows no messages; the file keeps its section.
            {"a message of an opponent that takes no part",
             Replaced(example, end, {"[AI3TempleDead]", "<P>Gone", "The third is gone.", "[END]"}),
             [](const MissionSettings& s) {
                 return !s.opponent(3).enabled &&
                        s.events.of(3, OpponentEvent::TempleDead) == EventMessage{};
             }},
        };
        for (const auto& c : cases) {
            const std::string bytes = Joined(c.file, "\r\n");
            const MissionFileReading read = ReadMissionFile(bytes);
            QVERIFY2(!read.report.refusal && read.report.notKept.empty(), c.what);
            QVERIFY2(c.shows(read.settings), c.what);
            QVERIFY2(SaveIntoDocument(read.document, read.settings).Bytes() == bytes, c.what);
        }
        // A message changed in the file with the stray header goes into the section that holds it.
        const MissionFileReading stray =
            ReadMissionFile(Joined(Replaced(example, 24, {"[Failed]", "[Options]"}), "\r\n"));
        MissionSettings changed = stray.settings;
        changed.events.Failed.text = "Lost.";
        QCOMPARE(SplitLines(SaveIntoDocument(stray.document, changed).Bytes()),
                 Replaced(Replaced(example, 24, {"[Failed]", "[Options]"}), 49, {"<p>Lost."}));
    }

    void handMadeGuideIsReadAndKeepsItsMissionLines() {
        const std::string& bytes = HandMadeGuide();
        const CampaignFileReading read = ReadCampaignFile(bytes);
        QVERIFY(!read.report.refusal && read.report.notKept.empty());
        const CampaignSettings& c = read.settings;
        QCOMPARE(c.title + "|" + c.CampaignHeader, std::string("Ice Saga|The Ice Saga"));
        QCOMPARE(c.CampaignText, (Lines{"A long winter.", "", "Three battles."}));
        // Not played in sequence, for not every mission waits for the one before it; the one
        // that does keeps waiting for whichever comes before it.
        QVERIFY(!c.Sequential);
        QCOMPARE(c.missions.size(), std::size_t(4));
        QCOMPARE(c.missions[1].name, std::string("FrozenLake"));
        QVERIFY(c.missions[1].afterPrevious && !c.missions[2].afterPrevious);
        QCOMPARE(c.missions[2].condition, std::optional<std::string>("2"));
        QCOMPARE(c.missions[3].condition, std::optional<std::string>("{DoneIceFortress}"));
        QCOMPARE(SaveIntoDocument(read.document, c).Bytes(), bytes);

        const auto changed = [&](std::function<void(CampaignSettings&)> change) {
            CampaignSettings edited = c;
            change(edited);
            return SplitLines(SaveIntoDocument(read.document, edited).Bytes());
        };
        const Lines file = SplitLines(HandMadeGuide());
        // An intro that starts on its heading's line is read as a message's text is.
        const std::string oneLine =
            Joined(Replaced(file, 4, {"<H2>The Ice Saga</H2><P>A long winter."}, 2), "\r\n");
        const CampaignFileReading joined = ReadCampaignFile(oneLine);
        QCOMPARE(joined.settings.CampaignHeader + "|" + joined.settings.CampaignText.front(),
                 std::string("The Ice Saga|A long winter."));
        QCOMPARE(SaveIntoDocument(joined.document, joined.settings).Bytes(), oneLine);
        QCOMPARE(changed([](CampaignSettings& e) { e.missions[1].title = "Lake"; }),
                 Replaced(file, 10,
                          {"$Checked=2 Lake,MissionBegin,FrozenLake,{DoneFrozenLake},"
                           "{DoneIceFortress}"}));
        // The missions after a removed one move up a place: their numbers follow, their own
        // conditions stay.
        QCOMPARE(changed([](CampaignSettings& e) { e.missions.erase(e.missions.begin() + 1); }),
                 Replaced(file, 10,
                          {"$Checked=2 Thaw,MissionBegin,Thaw,{DoneThaw},2",
                           "$Checked=3 Spring,MissionBegin,Spring,{DoneSpring},{DoneIceFortress}"},
                          3));
        // The first mission is always open; the one that was first keeps its own "1".
        QCOMPARE(changed([](CampaignSettings& e) { std::swap(e.missions[0], e.missions[1]); }),
                 Replaced(Replaced(file, 10,
                                   {"$Checked=2 Ice Fortress,MissionBegin,IceFortress,"
                                    "{DoneIceFortress},1"}),
                          8,
                          {"$Checked=1 Frozen Lake,MissionBegin,FrozenLake,{DoneFrozenLake},1"}));
        // A title the file lacks goes first, also where an empty overview stands before the one
        // that holds the campaign.
        const CampaignFileReading untitled =
            ReadCampaignFile(Joined(Replaced(file, 0, {"[Overview]"}, 1), "\r\n"));
        CampaignSettings titled = untitled.settings;
        titled.title = "Thaw";
        QCOMPARE(ReadCampaignFile(SaveIntoDocument(untitled.document, titled).Bytes()).settings,
                 titled);
        QCOMPARE(changed([](CampaignSettings& e) {
                     e.missions.push_back({"Summer", "Summer"});
                     e.CampaignText = {"A long winter."};
                 }),
                 Replaced(Replaced(file, 13,
                                   {"$Checked=5 Summer,MissionBegin,Summer,{DoneSummer},1"}, 0),
                          5, {"<P>A long winter."}, 3));
    }

    // "Sequential" is read as on only when the guide has missions and each waits for the one
    // before it, whatever rows stand between them.
    void sequentialWhenEveryMissionWaitsForTheOneBefore() {
        const std::string a = "$Checked=1 A,MissionBegin,a,{Donea},1\r\n";
        const std::string b = "$Checked=2 B,MissionBegin,b,{vn_b},{Donea}\r\n";
        const std::pair<std::string, bool> cases[] = {
            {"$Checked=~y~EDemo,DoNothing,0\r\n", false},
            {a, true},
            {a + "$Checked=Part two,DoNothing,0\r\n" + b +
                 "$Checked=3 C,MissionBegin,c,,{vn_b}\r\n",
             true},
            {a + b + "$Checked=3 C,MissionBegin,c,{Donec},1\r\n", false},
        };
        for (const auto& [rows, sequential] : cases) {
            const std::string bytes = "[Overview]\r\n<h2>T</h2>\r\n" + rows;
            const CampaignFileReading read = ReadCampaignFile(bytes);
            QVERIFY2(read.settings.Sequential == sequential, rows.c_str());
            QVERIFY(SaveIntoDocument(read.document, read.settings).Bytes() == bytes);
        }
    }

    // Generated files in the writer's and in hand-made forms: saved unchanged they come back
    // byte for byte; with one value changed, every line the value does not hold stays, in order
    // and with its break, and the file reads back with the new value.
    void changingOneValueChangesOnlyItsLines() {
        SeededChoices choices{std::mt19937(56)};
        testing::SettingsGenerator generate(choices, testing::GeneratedTexts::AsTyped);
        for (int run = 0; run < 3000; ++run) {
            const MissionSettings s = generate.Mission();
            const std::string bytes = HandMade(s, choices);
            const MissionFileReading read = ReadMissionFile(bytes);
            QVERIFY2(read.report.notKept.empty() && read.settings == testing::AsReadBack(s),
                     qPrintable(QString::number(run)));
            QVERIFY(SaveIntoDocument(read.document, read.settings).Bytes() == bytes);

            const Change& change = Changes()[choices.Number(0, int(Changes().size()) - 1)];
            int side = choices.Number(kFirstOpponent, kLastOpponent);
            for (int tries = 0; tries < kOpponentCount && !read.settings.opponent(side).enabled &&
                                std::string_view(change.what) != "opponent";
                 ++tries)
                side = side == kLastOpponent ? kFirstOpponent : side + 1;
            if (!read.settings.opponent(side).enabled &&
                std::string_view(change.what) != "opponent")
                continue;
            MissionSettings edited = read.settings;
            change.apply(edited, generate.Mission(), side);
            const TextDocument saved = SaveIntoDocument(read.document, edited);
            LineSet touched;
            change.lines(touched, read.document, side);
            const QByteArray what = QByteArray(change.what) + " " + QByteArray::number(run);
            QVERIFY2(KeepsTheOtherLines(read.document.text, saved, touched), what);
            const MissionFileReading again = ReadMissionFile(saved.Bytes());
            QVERIFY2(again.settings == testing::AsReadBack(edited), what);
        }
    }

    // The writer's own files, changed in one value, become what the writer writes for the
    // changed settings: new lines go where the writer puts them.
    void addedLinesStandWhereTheWriterPutsThem() {
        SeededChoices choices{std::mt19937(78)};
        testing::SettingsGenerator generate(choices, testing::GeneratedTexts::AsTyped);
        for (int run = 0; run < 3000; ++run) {
            const MissionSettings s = generate.Mission();
            const MissionFileReading read = ReadMissionFile(MissionBytes(s));
            const Change& change = Changes()[choices.Number(0, int(Changes().size()) - 1)];
            MissionSettings edited = read.settings;
            change.apply(edited, generate.Mission(), choices.Number(kFirstOpponent, kLastOpponent));
            QVERIFY2(SaveIntoDocument(read.document, edited).Bytes() == MissionBytes(edited),
                     QByteArray(change.what) + " " + QByteArray::number(run));

            const CampaignSettings c = generate.Campaign();
            const CampaignFileReading guide = ReadCampaignFile(CampaignBytes(c));
            CampaignSettings changed = guide.settings;
            const CampaignSettings other = generate.Campaign();
            switch (choices.Number(0, 4)) {
            case 0:
                changed.title = other.title;
                break;
            case 1:
                changed.CampaignText = other.CampaignText;
                break;
            case 2:
                changed.Sequential = !changed.Sequential;
                break;
            case 3:
                if (!changed.missions.empty())
                    changed.missions.erase(changed.missions.begin() +
                                           choices.Number(0, int(changed.missions.size()) - 1));
                break;
            default:
                changed.missions.insert(changed.missions.begin() +
                                            choices.Number(0, int(changed.missions.size())),
                                        {other.title, other.CampaignHeader});
            }
            QVERIFY2(SaveIntoDocument(guide.document, changed).Bytes() == CampaignBytes(changed),
                     qPrintable(QString::number(run)));
        }
    }
};

QTEST_APPLESS_MAIN(DocumentsTest)
#include "test_documents.moc"
