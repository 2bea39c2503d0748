// How the game draws a section, rule by rule, and which section of a file the preview draws.
#include "core/preview/DrawnPage.h"
#include "core/preview/PreviewSections.h"
#include "core/text/TextLines.h"

#include <QElapsedTimer>
#include <QTest>

using namespace vornask;
using Lines = std::vector<std::string>;

namespace {

// A page in a few lines of text, to compare at a glance. A block is a line starting with "|", or
// "p|" for a paragraph, "h" in front for a heading and "c" for a centred one; a run in another
// style than plain shows its style in brackets (b bold, i italic, a link, ~ and the colour's
// letter), a picture as [pic Name].
std::string RunsSketch(const DrawnPage& page, const Block& block) {
    std::string sketch;
    for (const Run& run : page.RunsOf(block)) {
        const std::string_view text = page.TextOf(run);
        std::string style;
        if (run.style.bold)
            style += 'b';
        if (run.style.italic)
            style += 'i';
        if (run.style.link)
            style += 'a';
        if (run.style.colour != kPlainColour)
            style.append("~").push_back(run.style.colour);
        if (run.picture)
            sketch.append("[pic ").append(text).append("]");
        else if (style.empty())
            sketch += text;
        else
            sketch.append("[").append(style).append("]").append(text).append("[/]");
    }
    return sketch;
}

std::string Sketch(const DrawnPage& page) {
    std::string sketch;
    if (page.title.runCount > 0)
        sketch.append("title ").append(RunsSketch(page, page.title)).append("\n");
    if (!page.background.empty())
        sketch.append("background ").append(page.background).append("\n");
    for (const Block& block : page.blocks) {
        sketch.append(block.heading ? "h" : "").append(block.centred ? "c" : "");
        sketch.append(block.paragraph ? "p|" : "|").append(RunsSketch(page, block)).append("\n");
    }
    for (const std::string& button : page.buttons)
        sketch.append("button ").append(button).append("\n");
    for (const MenuRow& row : page.menu)
        sketch.append(row.done ? "[x] " : "[ ] ")
            .append(row.label)
            .append(row.enabled ? "" : " (dimmed)")
            .append("\n");
    for (const std::string& flag : page.flags)
        sketch.append("flag ").append(flag).append("\n");
    return sketch;
}

std::string Drawn(const std::string& text, const PageValues& values = {}) {
    return Sketch(DrawSection(SplitAtBreaks(text), values));
}

} // namespace

class DrawnPageTest : public QObject {
    Q_OBJECT
private slots:
    // Each rule of the game's drawing on a text of its own.
    void sectionsAreDrawnAsTheGameDrawsThem_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QStringList>("setFlags");
        QTest::addColumn<QString>("drawn");
        const auto row = [](const char* name, const char* text, const char* drawn,
                            const char* fileName = "", QStringList setFlags = {}) {
            QTest::newRow(name) << QString::fromLatin1(text) << QString::fromLatin1(fileName)
                                << setFlags << QString::fromLatin1(drawn);
        };
        // White space.
        row("a line end is a space", "two lines\ntyped apart", "|two lines typed apart\n");
        row("a tab is a space", "a\tb", "|a b\n");
        row("plain spaces stay", "a   b", "|a   b\n");
        row("a run with a line end is one space", "a  \n\n  b", "|a b\n");
        row("no space at a line's ends", "\n  <br>\n text \n<br>", "|\n|text\n");
        row("breaks and paragraphs", "one<br>two<p>three<br><br>four<br><p>five<br><center>six",
            "|one\n|two\np|three\n|\n|four\np|five\nc|six\n");
        row("a first paragraph starts the page", "<p>\nStory", "p|Story\n");
        // Tags.
        row("the first heading is the title", "<H2>Victory!</H2><P>The ice melts.\n<h3>More</h3>",
            "title Victory!\np|The ice melts.\nh|More\n");
        row("styles", "<i>it</i> <q>q</q> <b>b</b> <c>c</c> <a href=x>a</a>",
            "|[i]it[/] [i]q[/] [b]b[/] [b]c[/] [a]a[/]\n");
        row("centred", "a<center>mid</center>b", "|a\nc|mid\n|b\n");
        row("background", "<background=\"nsstart\">x", "background nsstart\n|x\n");
        row("unknown tags and commands are dropped",
            "a<blink>b<$Config,Done1=1>c<$GetTechnology,76>", "|abc\n");
        row("a lone opening bracket is text", "1 < 2", "|1 < 2\n");
        // Codes.
        row("colours", "~rred~.plain~y yellow ~wwhite",
            "|[~r]red[/]plain[~y] yellow [/][~w]white[/]\n");
        row("bold on and off", "~Bbold~E not", "|[b]bold[/] not\n");
        row("tildes", "~~ and ~ alone and ~", "|~ and ~ alone and ~\n");
        row("an unknown code draws nothing", "a~Zb", "|ab\n");
        row("pictures name the unit",
            "~[IsunCannon.B9] ~[Ibulf,A1] ~[IthunderWalker.A] ~[Igolem.C]",
            "|[pic Sun Cannon] [pic Bulf] [pic Bulf] [pic golem]\n");
        row("an unknown type is drawn as text is",
            "~[Ia\x01"
            "b.A]",
            "|[pic a?b]\n");
        row("no picture without a type", "~[Xsun.B] ~[I.B]", "|~[Xsun.B] ~[I.B]\n");
        row("control characters show as ?",
            "a\x01"
            "b\x7f",
            "|a?b?\n");
        // Conditions and flags.
        row("a condition on an unset flag", "a<?{DoneIsland1}>won</?>b<?!{DoneIsland1}>lost</?>",
            "|ablost\nflag DoneIsland1\n");
        row("a condition on a set flag", "a<?{DoneIsland1}>won</?>b<?!{doneisland1}>lost</?>",
            "|awonb\nflag DoneIsland1\n", "", {"DONEISLAND1"});
        row("comparisons",
            "<??{mission.fileName}=Isle>e</?><?g 3=2>g</?><?ge 2=2>ge</?>"
            "<?l 1=2>l</?><?le 3=2>no</?><??a=b>no</?><?g 10=9>n</?>",
            "|eggeln\n", "Isle");
        row("conditions do not nest", "<?{A}>a<?{B}>b</?>c</?>d", "|bcd\nflag A\nflag B\n", "",
            {"B"});
        row("a hidden button", "<?{A}>\n$Button=Hidden,Tell,0\n</?>$Button=Shown,Tell,0",
            "button Shown\nflag A\n");
        // Variables.
        row("the file name", "in {mission.FileName}!", "|in Island1!\n", "Island1");
        row("an unknown file name", "in {mission.fileName}", "|in {MISSION.FILENAME}\n");
        row("an unknown key in capitals", "{Player.name} {a\n}", "|{PLAYER.NAME} {a }\n");
        row("a flag in the text", "<?{A}></?>{a} {B}", "|0 {B}\nflag A\n");
        // Commands.
        row("buttons",
            "Text\n$Button=Review Knowledge,ShowTechnology,55\n  $button = Play,DoNothing,0",
            "|Text\nbutton Review Knowledge\nbutton Play\n");
        row("commands draw nothing",
            "a\n$Menu=Hints,Tell,Hints\n$Timeout=5\n$OnExit=x\n$Input=y\nb", "|a b\n");
        row("the campaign menu",
            "$Checked=1 Ice,MissionBegin,Ice,{DoneIce},1\n"
            "$Checked=2 Lake,MissionBegin,Lake,{DoneLake},{DoneIce}\n"
            "$Checked=3 Thaw,MissionBegin,Thaw,{DoneThaw},0",
            "[x] 1 Ice\n[ ] 2 Lake\n[ ] 3 Thaw (dimmed)\nflag DoneIce\nflag DoneLake\nflag "
            "DoneThaw\n",
            "", {"DoneIce"});
    }
    void sectionsAreDrawnAsTheGameDrawsThem() {
        QFETCH(QString, text);
        QFETCH(QString, fileName);
        QFETCH(QStringList, setFlags);
        QFETCH(QString, drawn);
        PageValues values{fileName.toStdString(), {}};
        for (const QString& flag : setFlags)
            values.setFlags.push_back(flag.toStdString());
        QCOMPARE(QString::fromStdString(Drawn(text.toStdString(), values)), drawn);
    }

    // The entry box as the writer writes it.
    void theEntryBoxOfANewMission() {
        const std::string text = "<h2>My Map</h2>\n<i>\"Why of course\"<br>\n--The Mapmaker</i>\n"
                                 "<p>You were living\nhappily.\n\n$Button=Review Knowledge,"
                                 "ShowTechnology,55\n$Button=Play Mission,DoNothing,0\n";
        QCOMPARE(Drawn(text), std::string("title My Map\n|[i]\"Why of course\"[/]\n"
                                          "|[i]--The Mapmaker[/]\np|You were living happily.\n"
                                          "button Review Knowledge\nbutton Play Mission\n"));
    }

    // A text full of openers without their closers is drawn as it stands, in time in
    // proportion to its length: no opener searches the rest of the text for its closer each time.
    void openersWithoutClosersAreText() {
        std::string openers = std::string(200000, '<') + std::string(200000, '{') + "}";
        for (const char* opener : {"~[", "<?", "{a"})
            for (int i = 0; i < 100000; ++i)
                openers += opener;
        QElapsedTimer timer;
        timer.start();
        const DrawnPage page = DrawSection({openers}, {});
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(page.blocks.size(), std::size_t(1));
        QCOMPARE(RunsSketch(page, page.blocks.front()), openers);
    }
};

// Which section a preview draws: the one the readers read.
class PreviewSectionsTest : public QObject {
    Q_OBJECT
private slots:
    void theReadersSectionsAreDrawn() {
        const std::string mission =
            JoinLinesCrLf({"[Header]", "title = \"T\"", "ai3Name = \"Foe\"", "[a.]", "", "[A.]",
                           "<h2>T</h2>", "<p>Story", "[Succeeded][BadTeamDead]", "<h2>Won</h2>",
                           "[ai3PriestDead]", "<h2>Dead</h2>", "[Failed]", "<p>Lost", "[END]"});
        QCOMPARE(MissionSectionToDraw(mission, WrittenSection::EntryBox),
                 std::optional(Lines{"<h2>T</h2>", "<p>Story"})); // not the empty one
        QCOMPARE(MissionSectionToDraw(mission, WrittenSection::Succeeded),
                 std::optional(Lines{"<h2>Won</h2>"}));
        QCOMPARE(MissionSectionToDraw(mission, WrittenSection::Event, 3, 4),
                 std::optional(Lines{"<h2>Dead</h2>"}));
        QCOMPARE(MissionSectionToDraw(mission, WrittenSection::Failed),
                 std::optional(Lines{"<p>Lost"}));
        QCOMPARE(MissionSectionToDraw(mission, WrittenSection::Event, 3, 0), std::nullopt);
        QCOMPARE(MissionSectionToDraw("no mission", WrittenSection::EntryBox), std::nullopt);

        const std::string guide =
            JoinLinesCrLf({"title = \"G\"", "[OVERVIEW]", "<h2>G</h2>", "$Button=Back,Tell,0"});
        QCOMPARE(GuideOverviewToDraw(guide),
                 std::optional(Lines{"<h2>G</h2>", "$Button=Back,Tell,0"}));
        QCOMPARE(GuideOverviewToDraw(mission), std::nullopt);

        const Lines source = {"above", "[Header]", "a", "[A.] ", "b", "c"};
        QCOMPARE(SectionToDrawAt(source, 0), std::nullopt);
        QCOMPARE(SectionToDrawAt(source, 1), std::optional(Lines{"a"}));
        QCOMPARE(SectionToDrawAt(source, 3), std::optional(Lines{"b", "c"}));
        QCOMPARE(SectionToDrawAt(source, 5), std::optional(Lines{"b", "c"}));
        QCOMPARE(SectionToDrawAt(source, 6), std::nullopt);
    }
};

int main(int argc, char** argv) {
    DrawnPageTest drawn;
    PreviewSectionsTest sections;
    return QTest::qExec(&drawn, argc, argv) | QTest::qExec(&sections, argc, argv);
}
#include "test_drawn_page.moc"
