// The texts of missions and guides as their boxes show them, in the forms the game's own files
// use: every box shows its section's whole text, and what is typed replaces it, once, with the
// commands, comments, other sections and the header kept byte for byte.
#include "GeneratedSettings.h"
#include "WorkedExample.h"
#include "core/campaign/CampaignDocument.h"
#include "core/campaign/CampaignReader.h"
#include "core/mission/MissionDocument.h"
#include "core/mission/MissionReader.h"
#include "core/text/FileKind.h"
#include "core/text/SectionText.h"
#include "core/text/TextLines.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

using namespace vornask;

namespace {

using testing::CampaignBytes;
using testing::MissionBytes;
using Lines = std::vector<std::string>;

std::string DataFile(const char* name) {
    QFile file(QStringLiteral(VORNASK_TEST_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", name);
    return file.readAll().toStdString();
}

// What the boxes of a hand-made mission show.
struct Shown {
    const char* file;
    std::string quote, author, story;
    EventMessage succeeded, failed;
    std::string nextMission;
};

const std::vector<Shown>& HandMadeTexts() {
    static const std::vector<Shown> shown = {
        {"Nimbus.english",
         "\"A good storm sells itself, if you know whom to sell it to.\"",
         "Nimbian salesman",
         "You: Roger that, we are on our way.\r\nSarge: ~yKeep your eyes open.~w\r\n"
         "~rThe traders will not wait.~w",
         {"The storm is ours", "The traders flee.<br>\r\n~yWell done, commander.~w"},
         {"", "The storm took you.\r\nTry once more."},
         "Battle5"},
        {"ThunderCannon.english",
         "~[Ithundercannon.B9]<br> \"Lightning never asks twice.\"",
         "Old Vander saying",
         "The Vanders built a cannon.\r\n<p>It is loud.<br>Very loud.\r\n"
         "<?!{outpost}>~.Destruction of the Temple.<br>\r\nRaze their temple to win.</?>\r\n"
         "<h2>Duel!\r\n<p>Two priests, one island.",
         {"T", "Once upon a time, a cannon fell silent."},
         {"Defeat", "\r\nThe cannon was never built."},
         ""},
        {"IceFortress.english",
         "\"Cold is the heart\"",
         "The Ice King",
         "Long ago the ice came.\r\nIt never left.",
         {"Victory!", "The ice melts."},
         {"Defeat", "The ice took you."},
         "attackfortress"},
    };
    return shown;
}

// Texts as a map maker types them: markup, a blank first line, a line break inside.
MissionSettings Retyped(MissionSettings s) {
    s.entryBox = {"<b>New</b> quote", "-A new author", "\r\nA new story<br>\r\n~yin colour~w"};
    s.events.Succeeded = {"New victory", "<p>Won\r\n\r\nfor good"};
    s.events.Failed = {"New defeat", "Lost, <i>again</i>"};
    return s;
}

// The lines of `file` that hold no text of the pages: key lines, commands, comments, headers.
std::vector<std::string> LinesBesideTexts(std::string_view bytes) {
    std::vector<std::string> kept;
    for (const std::string& line : SplitLines(bytes))
        if (IsLayoutLine(line) || StartsSection(line) || ParseKeyLine(line))
            kept.push_back(line);
    return kept;
}

} // namespace

class SectionTextsTest : public QObject {
    Q_OBJECT
private slots:
    void handMadeTextsShowWhole() {
        for (const Shown& expected : HandMadeTexts()) {
            const MissionFileReading read = ReadMissionFile(DataFile(expected.file));
            QVERIFY2(!read.report.refusal && read.report.notKept.empty() &&
                         read.report.sectionStarts.empty(),
                     expected.file);
            const MissionSettings& s = read.settings;
            QCOMPARE(s.entryBox.QuoteTextBox, expected.quote);
            QCOMPARE(s.entryBox.QuoteAuthorBox, expected.author);
            QCOMPARE(s.entryBox.BackgroundStoryBox, expected.story);
            QCOMPARE(s.events.Succeeded.heading, expected.succeeded.heading);
            QCOMPARE(s.events.Succeeded.text, expected.succeeded.text);
            QCOMPARE(s.events.Failed.heading, expected.failed.heading);
            QCOMPARE(s.events.Failed.text, expected.failed.text);
            QCOMPARE(s.finish.MissionName, expected.nextMission);
        }
    }

    // Saved with new texts, each file holds each of them once, none of the old ones, and every
    // line beside the texts as it was; opened again, it shows exactly what was typed.
    void typedTextsReplaceTheOldOnes() {
        for (const Shown& shown : HandMadeTexts()) {
            const std::string bytes = DataFile(shown.file);
            const MissionFileReading read = ReadMissionFile(bytes);
            const MissionSettings typed = Retyped(read.settings);
            const std::string saved = SaveIntoDocument(read.document, typed).Bytes();
            const MissionFileReading again = ReadMissionFile(saved);
            QVERIFY2(!again.report.refusal && again.report.sectionStarts.empty(), shown.file);
            QCOMPARE(again.settings.entryBox, typed.entryBox);
            QCOMPARE(again.settings.events.Succeeded, typed.events.Succeeded);
            QCOMPARE(again.settings.events.Failed, typed.events.Failed);
            QCOMPARE(LinesBesideTexts(saved), LinesBesideTexts(bytes));
            for (const std::string* old : {&shown.story, &shown.succeeded.text, &shown.failed.text})
                for (const std::string& line : SplitLines(*old))
                    QVERIFY2(line.size() < 4 || saved.find(line) == std::string::npos,
                             line.c_str());
            QCOMPARE(saved.find("<b>New</b> quote"), saved.rfind("<b>New</b> quote"));
        }
    }

    // A next mission under another label shows its target; a new target keeps the label.
    void aNextMissionButtonKeepsItsLabel() {
        const std::string bytes = DataFile("Nimbus.english");
        const MissionFileReading read = ReadMissionFile(bytes);
        QVERIFY(read.settings.finish.NextMissionCheck);
        MissionSettings s = read.settings;
        s.events.Succeeded.text = "Changed";
        std::string saved = SaveIntoDocument(read.document, s).Bytes();
        QVERIFY(saved.find("$Button=HELP SARGE!!!,MissionBegin,Battle5\r\n") != std::string::npos);
        s.finish.MissionName = "Battle6";
        saved = SaveIntoDocument(read.document, s).Bytes();
        QVERIFY(saved.find("$Button=HELP SARGE!!!,MissionBegin,Battle6\r\n") != std::string::npos);
        QCOMPARE(ReadMissionFile(saved).settings.finish.MissionName, std::string("Battle6"));
    }

    // Texts that start with an empty line keep it, in missions and in guides.
    void aBlankFirstLineIsKept() {
        MissionSettings s = WorkedExampleMission();
        s.entryBox.BackgroundStoryBox = "\r\nSecond line";
        s.events.Failed.text = "\r\n\r\nThird line";
        const MissionSettings mission = ReadMissionFile(MissionBytes(s)).settings;
        QCOMPARE(mission.entryBox.BackgroundStoryBox, s.entryBox.BackgroundStoryBox);
        QCOMPARE(mission.events.Failed.text, s.events.Failed.text);
        CampaignSettings c = WorkedExampleCampaign();
        c.CampaignText = {"", "Welcome"};
        QCOMPARE(ReadCampaignFile(CampaignBytes(c)).settings.CampaignText, c.CampaignText);
        // Typed over an intro on its tag's line, and over a story there.
        const CampaignFileReading guide = ReadCampaignFile(
            "title = \"G\"\r\n[Overview]\r\n<h2>G</h2>\r\n<p>Old\r\n\r\n[END]\r\n");
        for (const Lines& typed : {Lines{"", "Welcome"}, Lines{" ", "Welcome"}}) {
            c = guide.settings;
            c.CampaignText = typed;
            QCOMPARE(
                ReadCampaignFile(SaveIntoDocument(guide.document, c).Bytes()).settings.CampaignText,
                typed);
        }
        const MissionFileReading opened = ReadMissionFile(DataFile("Nimbus.english"));
        s = opened.settings;
        s.entryBox.BackgroundStoryBox = "\r\nSecond line";
        QCOMPARE(ReadMissionFile(SaveIntoDocument(opened.document, s).Bytes())
                     .settings.entryBox.BackgroundStoryBox,
                 s.entryBox.BackgroundStoryBox);
    }

    // The message of an opponent that took no part is not shown; enabled, what is typed for
    // it replaces it whole.
    void aHiddenMessageIsReplacedByWhatIsTyped() {
        const std::string bytes = "[Header]\r\ntitle = \"x\"\r\n[ai3PriestSaved]\r\n"
                                  "<h2>Old heading</h2>\r\n<p>Old text\r\n[END]\r\n";
        const MissionFileReading read = ReadMissionFile(bytes);
        QCOMPARE(read.settings.events.of(3, OpponentEvent::PriestSaved), EventMessage{});
        MissionSettings s = read.settings;
        s.opponent(3).enabled = true;
        s.events.of(3, OpponentEvent::PriestSaved).heading = "New heading";
        const std::string saved = SaveIntoDocument(read.document, s).Bytes();
        QCOMPARE(ReadMissionFile(saved).settings.events.of(3, OpponentEvent::PriestSaved),
                 (EventMessage{"New heading", ""}));
        QVERIFY(saved.find("Old") == std::string::npos);
    }

    // A header below a line of text is named when the game would read it as a section where a
    // text seems to go on; custom sections that a button names, or after a blank line, are not.
    void headersInTextsAreNamed() {
        const auto starts = [](const std::string& bytes) {
            std::vector<std::size_t> numbers;
            const ReadReport report = DetectFileKind(bytes) == FileKind::CampaignGuide
                                          ? ReadCampaignFile(bytes).report
                                          : ReadMissionFile(bytes).report;
            for (const FileLine& line : report.sectionStarts)
                numbers.push_back(line.number);
            return numbers;
        };
        using N = std::vector<std::size_t>;
        const std::string guide = "title = \"G\"\n[Overview]\n<h2>G</h2>\n<p>Welcome\n";
        const std::string missions = "$Checked=1 A,MissionBegin,a,{Donea},1\n";
        QCOMPARE(starts(guide + "[Chapter One]\n" + missions), N{5});
        QCOMPARE(starts(guide + "\n[Chapter One]\n" + missions), N{});
        const std::string mission = "[Header]\n[Succeeded]\n<h2>W</h2>\n<p>Won\n";
        QCOMPARE(starts(mission + "[Failed]\nmore\n\n[Failed]\n<h2>L</h2>\n"), N{5});
        QCOMPARE(starts(mission + "[Chapter One] begins\n"), N{5});
        QCOMPARE(starts(mission + "[Hints]\n$Button=Hints,Tell,Hints\n"), N{});
        QCOMPARE(starts(mission + "[ai4TempleDead]\n<h2>x</h2>\n"), N{});
    }

    // A file of many sections, each below a line of text, is read in one pass, not one per
    // section: 20,000 of them, in a file of 50,000 lines, in well under a second.
    void manySectionsInTextsAreFoundInOnePass() {
        std::string bytes = "[Header]\n";
        for (int i = 0; i < 9999; ++i)
            bytes += "text\n[s" + std::to_string(i % 50) + "]\n$Menu=x,Tell,s" +
                     std::to_string(i % 7) + "\ntext\n[a" + std::to_string(i) + "]\n";
        QElapsedTimer timer;
        timer.start();
        const MissionFileReading read = ReadMissionFile(bytes);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(read.report.sectionStarts.size(), std::size_t{2 * 9999});
    }

    // A source view's edit changes the breaks of the lines it changes, and no others.
    void anEditKeepsTheBreaksOfOtherLines() {
        const TextDocument file("a\r\nb\nc\nd\r\ne\r\nf\r\n");
        const TextDocument edited = file.WithLines({"a", "b", "c", "D", "new", "e", "f"});
        QCOMPARE(edited.Bytes(), std::string("a\r\nb\nc\nD\r\nnew\r\ne\r\nf\r\n"));
        QCOMPARE(file.WithLines({"b", "c", "x"}).Bytes(), std::string("b\nc\nx\r\n"));
        QCOMPARE(TextDocument("a\nb").WithLines({"a", "c"}).Bytes(), std::string("a\nc"));
    }
};

QTEST_APPLESS_MAIN(SectionTextsTest)
#include "test_section_texts.moc"
