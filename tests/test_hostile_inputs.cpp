// Hostile but plausible input through the real windows: huge texts, characters the game's code
// page lacks, text that looks like the file's own syntax, pasted line breaks, odd help files and
// registry files. Nothing may crash, hang, or reach a file other than as captured.
#include "ModalDriver.h"
#include "core/text/FileText.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"
#include "ui/campaign/CampaignBox.h"
#include "ui/campaign/CampaignFinished.h"
#include "ui/controls/SingleLine.h"
#include "ui/wizard/FifthBox.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRandomGenerator>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

using namespace vornask;
using namespace vornask::test;
namespace fs = std::filesystem;
using Action = ModalDriver::Action;

namespace {

// Quotes, commas, braces, a tab, markup and a button line of the file's own syntax, and
// characters inside and outside Windows-1252 ("€" and "é" are in it; "ł", "日本" and the emoji,
// a surrogate pair, are not).
const QString kHostile = QString::fromUtf8("\"Quoted\", {Done7}\t<b>$Button=Play,DoNothing,0</b> "
                                           "\u20ac \u00e9 \u0142 \u65e5\u672c \U0001F600");
// The same as the game's 8-bit text: one "?" for each character the code page lacks.
const QByteArray kHostileAnsi =
    "\"Quoted\", {Done7}\t<b>$Button=Play,DoNothing,0</b> \x80 \xE9 ? ?? ?";

// A pasted line break ends a one-line value there, as in the platform's single-line edits.
const QString kPastedOneLine = kHostile + QStringLiteral("\r\n[END]\r\nsecond line");

// As the user pastes `text` over the whole content of a one-line edit or a memo.
void PasteOver(QWidget* field, const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    field->setFocus();
    if (auto* line = qobject_cast<QLineEdit*>(field))
        line->selectAll();
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(field))
        memo->selectAll();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

// Types `text` key by key, as a keyboard of any layout sends it: each key carries its character.
void TypeText(QWidget* field, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QApplication::sendEvent(field, &release);
    }
}

void PasteInto(QWidget* window, const QString& name, const QString& text) {
    PasteOver(Find<QWidget>(window, name), text);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

// A whole line of a file: `line` between two line ends.
bool HasLine(const QByteArray& file, const QByteArray& line) {
    return file.contains("\r\n" + line + "\r\n");
}

void WriteFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string RandomBytes(std::size_t size) {
    std::string bytes(size, '\0');
    QRandomGenerator generator(20240601); // the same bytes every run
    for (char& byte : bytes)
        byte = static_cast<char>(generator.bounded(256));
    return bytes;
}

// About a megabyte of story as a user writes one: lines of words, an empty line, spaces at
// both ends that must survive, and letters of the code page.
QString MegabyteOfText(const QString& word) {
    QString text = QStringLiteral("  ");
    for (int line = 0; text.size() < 1'000'000; ++line) {
        text += QStringLiteral("%1 %2: the caf\u00e9 by the bridge fell to the enemy, and so "
                               "did the temple on the hill.\n")
                    .arg(word)
                    .arg(line);
        if (line == 5000)
            text += QLatin1Char('\n');
    }
    return text + QStringLiteral("The end.  \n");
}

QByteArray AnsiWithCrLf(QString text) {
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toLatin1();
}

const std::map<QString, QString> kOkButtons = {{"FirstBox", "Button1"}, {"SecondBox", "Button1"},
                                               {"ThirdBox", "Button1"}, {"FourthBox", "Button2"},
                                               {"FifthBox", "Button1"}, {"SixthBox", "Button1"}};
const QStringList kChain = {"FirstBox",  "SecondBox", "ThirdBox",
                            "FourthBox", "FifthBox",  "SixthBox"};

} // namespace

class HostileInputsTest : public QObject {
    Q_OBJECT
    QTemporaryDir temp_;
    std::unique_ptr<AppWindows> windows_;
    QStringList seen_; // the windows the last mission saved went through

    QString Path(const QString& name) const { return temp_.filePath(name); }
    fs::path Prefix() const { return fs::path(temp_.path().toStdString()) / "prefix"; }

    // One mission from "New Mission" to the saved file `path`: on each page the user does what
    // `actions` says and presses OK; `beforeSaving` expects what comes between the finish page
    // and the save dialog. The windows seen are kept in `seen_`.
    void SaveMission(std::map<QString, Action> actions, const QString& path,
                     const std::function<void(ModalDriver&)>& beforeSaving = {}) {
        ModalDriver driver;
        for (const QString& page : kChain)
            driver.When(page, [&actions, page](QWidget* w) {
                if (actions.count(page))
                    actions[page](w);
                Click(w, kOkButtons.at(page));
            });
        if (beforeSaving)
            beforeSaving(driver);
        driver.ChooseFile("SaveDialog1", path);
        Click(&windows_->StartBox(), "Button1");
        seen_ = driver.Seen();
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        QCOMPARE(FileBytes(path.chopped(7) + "german"), FileBytes(path));
    }

    // The campaign editor from "New Campaign": `body` runs in it, then "Save" writes the guide
    // file `path`, after what `beforeSaving` expects.
    void SaveCampaign(ModalDriver& driver, std::function<void(QWidget*)> body, const QString& path,
                      std::function<void(ModalDriver&)> beforeSaving = {}) {
        driver.When("CampaignBox", [this, &driver, body, path, beforeSaving](QWidget* editor) {
            body(editor);
            // No "Save anyway?": without the game, and with missions named by Windows paths or
            // bare names, there is no folder the missions could be looked for in.
            driver.When("CampaignFinished", [](QWidget* w) { Click(w, "Button1"); });
            if (beforeSaving)
                beforeSaving(driver);
            driver.ChooseFile("SaveDialog1", path);
            Click(editor, "Button1");
        });
        Click(&windows_->StartBox(), "Button5");
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
    }

    // "Add" with the file name and the title prompt's answer pasted in.
    static void AddMission(ModalDriver& driver, QWidget* editor, const QString& path,
                           const QString& title) {
        driver.When("AskTitleBox", [title](QWidget* prompt) {
            PasteInto(prompt, "MapTitleBox", title);
            Click(prompt, "Button1");
        });
        PasteInto(editor, "AddTreeItemBox", path);
        Click(editor, "Button2");
    }

    // The program started afresh in a Wine prefix whose system.reg holds `systemReg`; returns
    // what the start window read, after making sure it showed no message box.
    std::string StartWithRegistry(std::string_view systemReg) {
        WriteFile(Prefix() / "system.reg", systemReg);
        ModalDriver unexpected;
        unexpected.Answer(QMessageBox::Ok);
        windows_.reset();
        windows_ = std::make_unique<AppWindows>();
        windows_->StartBox().show();
        QTest::qWait(50);
        // The search runs on a thread of its own; what it read is wanted here.
        windows_->StartBox().GameSearch().Wait();
        QCoreApplication::processEvents();
        if (!unexpected.Seen().isEmpty())
            qWarning("unexpected: %s", qPrintable(unexpected.Seen().join(',')));
        return unexpected.Seen().isEmpty() ? windows_->StartBox().InstallDir : "(message box)";
    }

    // Presses "Help"; returns the help text shown and the message boxes answered on the way.
    std::pair<QString, QStringList> ShowHelp(int messageBoxes) {
        ModalDriver driver;
        for (int k = 0; k < messageBoxes; ++k)
            driver.Answer(QMessageBox::Ok);
        QString shown;
        driver.When("HelpBox", [&shown](QWidget* w) {
            shown = Find<QPlainTextEdit>(w, "HelpBox")->toPlainText();
            Click(w, QString());
        });
        Click(&windows_->StartBox(), "Button4");
        if (!driver.Done())
            qWarning("help window not shown: %s", qPrintable(driver.Seen().join(',')));
        return {shown, driver.Seen()};
    }

    static QString HelpFilePath() {
        return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help.txt"));
    }

private slots:
    void initTestCase() {
        QVERIFY(temp_.isValid());
        QApplication::setQuitOnLastWindowClosed(false);
        fs::create_directories(Prefix());
        qputenv("WINEPREFIX", QByteArray::fromStdString(Prefix().string()));
    }

    void init() {
        fs::remove(Prefix() / "system.reg");
        windows_ = std::make_unique<AppWindows>();
        windows_->StartBox().show();
    }

    void cleanup() {
        windows_.reset();
        std::error_code error;
        fs::remove_all(HelpFilePath().toStdString(), error);
    }

    void aMegabyteOfStoryAndOfEventTextIsSavedWhole() {
        const QString story = MegabyteOfText(QStringLiteral("Story"));
        const QString event = MegabyteOfText(QStringLiteral("Event"));
        qint64 keystroke = 0;
        qint64 storing = 0;
        QElapsedTimer total;
        total.start();
        SaveMission({{"ThirdBox",
                      [&](QWidget* w) {
                          Find<QPlainTextEdit>(w, "BackgroundStoryBox")->setPlainText(story);
                      }},
                     {"FifthBox",
                      [&](QWidget* w) {
                          auto* text = Find<QPlainTextEdit>(w, "TextBox");
                          text->setPlainText(event);
                          text->moveCursor(QTextCursor::End);
                          // The page stores the whole text at every keystroke.
                          QElapsedTimer timer;
                          timer.start();
                          QTest::keyClicks(text, "!");
                          QCoreApplication::processEvents();
                          keystroke = timer.restart();
                          windows_->FifthBox().SaveTextValue();
                          storing = timer.elapsed();
                          QCOMPARE(
                              QByteArray::fromStdString(windows_->Mission().events.Succeeded.text),
                              AnsiWithCrLf(event + "!"));
                      }}},
                    Path("Huge.english"));
        qInfo("1 MB texts: one keystroke %lld ms (storing the text %lld ms), the whole mission "
              "%lld ms",
              keystroke, storing, total.elapsed());
        QVERIFY2(keystroke < 2000, "typing into a megabyte of text must stay usable");

        const QByteArray file = FileBytes(Path("Huge.english"));
        QVERIFY(file.contains("\r\n<p>" + AnsiWithCrLf(story) + "\r\n\r\n$Button=Review"));
        QVERIFY(file.contains("[Succeeded]\r\n<h2></h2>\r\n<p>" + AnsiWithCrLf(event) +
                              "!\r\n<$Config,Done{mission.fileName}=1>\r\n"));
        QVERIFY(file.size() > 2'000'000);
    }

    void everyMissionFieldReachesTheFileUnescaped() {
        const QString twoLines = kHostile + QStringLiteral("\n") + kHostile;
        const QByteArray twoLinesAnsi = kHostileAnsi + "\r\n" + kHostileAnsi;
        SaveMission({{"SecondBox",
                      [](QWidget* w) {
                          // Pasted into the middle, the text after the cursor stays.
                          auto* title = Find<QLineEdit>(w, "TitleBox");
                          title->setText("XY");
                          title->setCursorPosition(1);
                          QGuiApplication::clipboard()->setText("a\r\nb\nc");
                          QTest::keyClick(title, Qt::Key_V, Qt::ControlModifier);
                          QCOMPARE(title->text(), QStringLiteral("XaY"));
                          QCOMPARE(title->cursorPosition(), 2);
                          PasteInto(w, "TitleBox", kPastedOneLine);
                      }},
                     {"ThirdBox",
                      [&](QWidget* w) {
                          PasteInto(w, "QuoteTextBox", kPastedOneLine);
                          PasteInto(w, "QuoteAuthorBox", kHostile + QStringLiteral("\n"));
                          PasteInto(w, "BackgroundStoryBox", twoLines);
                      }},
                     {"FourthBox",
                      [](QWidget* w) {
                          Find<QTabWidget>(w, "TabbedNotebook1")->setCurrentIndex(7);
                          Click(w, "EnableAI8");
                          PasteInto(w, "AI8NameBox", kHostile + QStringLiteral("\rsecond line"));
                      }},
                     {"FifthBox",
                      [&](QWidget* w) {
                          PasteInto(w, "HeadingBox", kPastedOneLine);
                          PasteInto(w, "TextBox", twoLines);
                          Pick(w, "ComboBox981", "PriestDead");
                          Pick(w, "aiBox", "ai8");
                          PasteInto(w, "HeadingBox", kPastedOneLine);
                          PasteInto(w, "TextBox", twoLines);
                      }},
                     {"SixthBox", [](QWidget* w) { PasteInto(w, "MissionName", kPastedOneLine); }}},
                    Path("Hostile.english"), [](ModalDriver& d) { d.Answer(QMessageBox::Ok); });

        const QByteArray file = FileBytes(Path("Hostile.english"));
        QVERIFY(HasLine(file, "title = \"" + kHostileAnsi + "\""));
        QVERIFY(HasLine(file, "ai8Name = \"" + kHostileAnsi + "\""));
        QVERIFY(file.contains("\r\n[A.]\r\n<h2>" + kHostileAnsi + "</h2>\r\n<i>" + kHostileAnsi +
                              "<br>\r\n--" + kHostileAnsi + "</i>\r\n<p>" + twoLinesAnsi +
                              "\r\n\r\n"));
        const QByteArray message = "<h2>" + kHostileAnsi + "</h2>\r\n<p>" + twoLinesAnsi + "\r\n";
        QVERIFY(file.contains("\r\n[Succeeded]\r\n" + message));
        QVERIFY(file.contains("\r\n[ai8PriestDead]\r\n" + message));
        QVERIFY(HasLine(file, "$Button=Next Mission,MissionBegin," + kHostileAnsi));
        // Nothing else of what was pasted reached the file: no line of its own, no bare break.
        QVERIFY(!file.contains("second line"));
        QCOMPARE(file.count("[END]"), 1);
        QCOMPARE(file.count('\n'), file.count("\r\n"));
        QCOMPARE(file.count('\r'), file.count("\r\n"));
    }

    void everyCampaignFieldReachesTheGuideFileUnescaped() {
        // A file name holds no folder separator.
        const QString name = QString(kHostile).replace("</b>", "<b>");
        const QByteArray nameAnsi = QByteArray(kHostileAnsi).replace("</b>", "<b>");
        ModalDriver driver;
        SaveCampaign(
            driver,
            [&](QWidget* editor) {
                PasteInto(editor, "TitleBox", kPastedOneLine);
                PasteInto(editor, "CampaignHeader", kPastedOneLine);
                PasteInto(editor, "CampaignText", kHostile + QStringLiteral("\r\n") + kHostile);
                AddMission(driver, editor, "C:\\Games\\NetStorm\\D\\" + name + ".english",
                           kPastedOneLine);
                AddMission(driver, editor, "C:\\D\\Second.english\nC:\\D\\Third.english", "Second");
                // Renamed in place with a pasted line break.
                QTreeWidget* tree = Find<QTreeWidget>(editor, "CampaignView");
                QTreeWidgetItem* second = tree->topLevelItem(0)->child(1);
                tree->setCurrentItem(second);
                tree->editItem(second, 0);
                auto* inPlace = tree->viewport()->findChild<QLineEdit*>();
                QVERIFY(inPlace);
                PasteOver(inPlace, QStringLiteral("Renamed\n") + kHostile);
                QTest::keyClick(inPlace, Qt::Key_Return);
                QTRY_COMPARE(second->text(0), QStringLiteral("Renamed")); // committed when idle
            },
            Path("GuideHostile.english"), [](ModalDriver& d) { d.Answer(QMessageBox::Ok); });

        const QByteArray file = FileBytes(Path("GuideHostile.english"));
        QVERIFY(file.startsWith("title = \"" + kHostileAnsi + "\"\r\n"));
        QVERIFY(HasLine(file, "<h2>" + kHostileAnsi + "</h2>\r\n<p>\r\n" + kHostileAnsi + "\r\n" +
                                  kHostileAnsi));
        QVERIFY(HasLine(file, "$Checked=1 " + kHostileAnsi + ",MissionBegin," + nameAnsi +
                                  ",{Done" + nameAnsi + "},1"));
        QVERIFY(HasLine(file, "$Checked=2 Renamed,MissionBegin,Second,{DoneSecond},{Done" +
                                  nameAnsi + "}"));
        QCOMPARE(file.count('\n'), file.count("\r\n"));
        QCOMPARE(file.count('\r'), file.count("\r\n"));
        QCOMPARE(FileBytes(Path("GuideHostile.german")), file);
    }

    void theUpperHalfOfTheCodePageReachesTheFileFromEveryKindOfBox() {
        QString typed;
        QByteArray bytes;
        for (int c = 0xA0; c <= 0xFF; ++c) {
            typed += QChar(c);
            bytes += char(c);
        }
        auto typeAtEnd = [&typed](QWidget* w, const QString& name) {
            QWidget* box = Find<QWidget>(w, name);
            if (auto* memo = qobject_cast<QPlainTextEdit*>(box))
                memo->moveCursor(QTextCursor::End);
            else if (auto* line = qobject_cast<QLineEdit*>(box))
                line->end(false);
            TypeText(box, typed);
        };
        SaveMission({{"ThirdBox",
                      [&](QWidget* w) {
                          typeAtEnd(w, "QuoteTextBox");
                          typeAtEnd(w, "BackgroundStoryBox");
                      }},
                     {"FifthBox", [&](QWidget* w) { typeAtEnd(w, "TextBox"); }},
                     {"SixthBox", [](QWidget* w) { Click(w, "EditSourceCheck"); }}},
                    Path("Latin1.english"), [&](ModalDriver& d) {
                        d.When("ViewSourceBox", [&](QWidget* w) {
                            typeAtEnd(w, "SourceBox");
                            Click(w, "Button1");
                        });
                    });
        const QByteArray file = FileBytes(Path("Latin1.english"));
        QVERIFY(file.contains("<i>\"Why of course my maps are the best!\"" + bytes + "<br>\r\n"));
        QVERIFY(file.contains("and had to fight." + bytes + "\r\n"));
        QVERIFY(file.contains("[Succeeded]\r\n<h2></h2>\r\n<p>" + bytes + "\r\n"));
        QVERIFY(file.endsWith("[END]" + bytes + "\r\n"));

        // The campaign's source window is modeless: it is typed into once shown.
        ModalDriver driver;
        driver.When("CampaignBox", [&](QWidget* editor) {
            typeAtEnd(editor, "CampaignHeader");
            typeAtEnd(editor, "CampaignText");
            driver.When("CampaignFinished", [](QWidget* w) {
                Click(w, "ViewSource");
                Click(w, "Button1");
            });
            Click(editor, "Button1");
        });
        Click(&windows_->StartBox(), "Button5");
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        QWidget* source = TopLevel("ViewCampaignSource");
        typeAtEnd(source, "SourceBox");
        driver.ChooseFile("SaveDialog1", Path("GuideLatin1.english"));
        Click(source, "Button1");
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        const QByteArray guide = FileBytes(Path("GuideLatin1.english"));
        QVERIFY(guide.contains("<h2>My Campaign" + bytes + "</h2>\r\n<p>\r\nPlay my campaign!" +
                               bytes + "\r\n"));
        QVERIFY(guide.endsWith(bytes + "\r\n"));
    }

    // Text that takes Qt seconds to lay out never gets in: a box takes no more than a file may
    // hold, and what would make a file the program refuses to open is not saved.
    void boxesTakeNoMoreThanAFileMayHold() {
        const int value = int(kMaxValueBytes);
        const QString lines = QStringLiteral("line\n").repeated(int(kMaxTextLines) + 10);
        const QString tooLongLine(int(kMaxLineBytes) + 1, QLatin1Char('s'));
        const QString refused = QStringLiteral(
            "MessageBox:3:The file is not saved, as this program could not open it again: ");
        QString source; // the source view's text before the too long line was added
        SaveMission({{"SecondBox",
                      [&](QWidget* w) { PasteInto(w, "TitleBox", QString(value + 100, 't')); }},
                     {"ThirdBox", [&](QWidget* w) { PasteInto(w, "BackgroundStoryBox", lines); }},
                     {"FifthBox", [&](QWidget* w) { PasteInto(w, "TextBox", tooLongLine); }},
                     {"SixthBox", [](QWidget* w) { Click(w, "EditSourceCheck"); }}},
                    Path("Long.english"), [&](ModalDriver& d) {
                        d.When("ViewSourceBox",
                               [&](QWidget* w) {
                                   auto* box = Find<QPlainTextEdit>(w, "SourceBox");
                                   source = box->toPlainText();
                                   box->appendPlainText(tooLongLine); // as if typed
                                   Click(w, "Button1");
                               })
                            .Answer(QMessageBox::Ok)
                            .When("ViewSourceBox", [&](QWidget* w) {
                                // Still there to be mended.
                                auto* box = Find<QPlainTextEdit>(w, "SourceBox");
                                QVERIFY(box->toPlainText().endsWith(tooLongLine));
                                box->setPlainText(source);
                                Click(w, "Button1");
                            });
                    });
        QVERIFY2(seen_.contains(refused + "line 20037 is longer than 16384 characters, far longer "
                                          "than any line of a mission or campaign guide file."),
                 qPrintable(seen_.join('\n')));
        const QByteArray file = FileBytes(Path("Long.english"));
        QVERIFY(HasLine(file, "title = \"" + QByteArray(value, 't') + "\""));
        QVERIFY(file.contains("<p>line\r\n" + QByteArray("line\r\n").repeated(kMaxTextLines - 2) +
                              "line\r\n\r\n$Button=Review"));
        QVERIFY(HasLine(file, "<p>" + QByteArray(value, 's')));
        // Every one-line box of every window, the title prompt's and the in-place editor's too.
        windows_->CampaignBox().show();
        int boxes = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            for (auto* box : window->findChildren<QLineEdit*>())
                if (qobject_cast<const TSingleLineValidator*>(box->validator())) {
                    QVERIFY2(box->maxLength() == value, qPrintable(box->objectName()));
                    ++boxes;
                }
        QVERIFY(boxes >= 15);
        windows_->CampaignBox().hide();

        // A campaign intro of more lines than a text may have is not saved either; the finish
        // window stays with the campaign.
        ModalDriver driver;
        driver
            .When("CampaignBox",
                  [&](QWidget* editor) {
                      Find<QPlainTextEdit>(editor, "CampaignText")->setPlainText(lines);
                      Click(editor, "Button1");
                      editor->close();
                  })
            .When("CampaignFinished", [](QWidget* w) { Click(w, "Button1"); })
            .Answer(QMessageBox::Ok)
            .When("CampaignFinished", [](QWidget* w) { CloseDroppingWork(w); });
        Click(&windows_->StartBox(), "Button5");
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        QCOMPARE(driver.Seen().filter("MessageBox").last(),
                 refused + "one of its texts has 20010 lines; a story, message or intro may have "
                           "20000.");
    }

    void controlCharactersAndCharactersOutsideTheCodePageAreNamedBeforeSaving() {
        const QString controls =
            QStringLiteral("a") + QChar(0) + "b\x0b\x0c\x1b\x7f" + QChar(0x85) + "\tc";
        const QByteArray controlsAnsi = "a?b?????\tc";
        auto line = [](const QString& field, const QString& characters) {
            return QStringLiteral("%1 holds characters that NetStorm cannot show: %2. They will "
                                  "be saved as \"?\".")
                .arg(field, characters);
        };
        auto box = [](const QStringList& lines) {
            return QStringLiteral("MessageBox:%1:").arg(int(QMessageBox::Warning)) +
                   lines.join("\n\n");
        };
        const QString controlNames = "U+0000 U+000B U+000C U+001B U+007F U+0085";
        SaveMission(
            {{"SecondBox",
              [&](QWidget* w) { PasteInto(w, "TitleBox", QString::fromUtf8("\u65e5\u672c")); }},
             {"ThirdBox", [&](QWidget* w) { PasteInto(w, "BackgroundStoryBox", controls); }},
             {"FourthBox",
              [&](QWidget* w) {
                  Find<QTabWidget>(w, "TabbedNotebook1")->setCurrentIndex(2);
                  Click(w, "EnableAI3");
                  PasteInto(w, "AI3NameBox", controls);
              }},
             {"FifthBox",
              [&](QWidget* w) {
                  Pick(w, "ComboBox981", "Failed");
                  PasteInto(w, "HeadingBox", QString::fromUtf8("\u0142"));
              }},
             {"SixthBox", [](QWidget* w) { Click(w, "EditSourceCheck"); }}},
            Path("Lost.english"), [](ModalDriver& d) {
                // "Cancel" goes back to the finish page; its OK asks again.
                d.Answer(QMessageBox::Cancel);
                d.When("SixthBox", [](QWidget* w) { Click(w, "Button1"); });
                d.Answer(QMessageBox::Ok);
                // Text typed into the source view is looked at too; "Cancel" goes back to it.
                d.When("ViewSourceBox", [](QWidget* w) {
                    auto* source = Find<QPlainTextEdit>(w, "SourceBox");
                    source->moveCursor(QTextCursor::End);
                    TypeText(source, QString::fromUtf8("\u00e9\u0142"));
                    Click(w, "Button1");
                });
                d.Answer(QMessageBox::Cancel);
                d.When("ViewSourceBox", [](QWidget* w) { Click(w, "Button1"); });
                d.Answer(QMessageBox::Ok);
            });
        const QString first =
            box({line("The title", QString::fromUtf8("\u65e5\u672c")),
                 line("The story", controlNames), line("AI3's name", controlNames),
                 line("The heading of Failed", QString::fromUtf8("\u0142"))});
        const QString source = box({line("The source", QString::fromUtf8("\u0142"))});
        QCOMPARE(seen_.mid(6), QStringList({first, "SixthBox", first, "ViewSourceBox", source,
                                            "ViewSourceBox", source, "SaveDialog1"}));
        const QByteArray file = FileBytes(Path("Lost.english"));
        QVERIFY(HasLine(file, "title = \"??\""));
        QVERIFY(HasLine(file, "ai3Name = \"" + controlsAnsi + "\""));
        QVERIFY(file.contains("<p>" + controlsAnsi + "\r\n\r\n$Button=Review"));
        QVERIFY(file.contains("[Failed]\r\n<h2>?</h2>"));
        QVERIFY(file.endsWith("[END]\xE9?\r\n"));

        // The campaign's twin: its title, and its mission titles, which keep their places
        // when one before them is deleted.
        ModalDriver driver;
        SaveCampaign(
            driver,
            [&](QWidget* editor) {
                PasteInto(editor, "TitleBox", QString::fromUtf8("\u65e5\u672c"));
                AddMission(driver, editor, "C:\\D\\One.english", "One");
                AddMission(driver, editor, "C:\\D\\Two.english", QString::fromUtf8("T\u0175o"));
                QTreeWidget* tree = Find<QTreeWidget>(editor, "CampaignView");
                tree->setCurrentItem(tree->topLevelItem(0)->child(0));
                Find<QMenu>(editor, "TreeViewPopup")->popup(QPoint());
                Find<QMenu>(editor, "TreeViewPopup")->close();
                Find<QAction>(editor, "Delete")->trigger();
            },
            Path("GuideLost.english"),
            [](ModalDriver& d) {
                d.Answer(QMessageBox::Cancel);
                d.When("CampaignFinished", [](QWidget* w) { Click(w, "Button1"); });
                d.Answer(QMessageBox::Ok);
            });
        const QString campaignWarning =
            box({line("The title", QString::fromUtf8("\u65e5\u672c")),
                 line("The title of mission 1", QString::fromUtf8("\u0175"))});
        QVERIFY2(driver.Seen().contains(campaignWarning), qPrintable(driver.Seen().join('|')));
        QCOMPARE(driver.Seen().count(campaignWarning), 2);
        QVERIFY(FileBytes(Path("GuideLost.english")).startsWith("title = \"??\"\r\n"));
    }

    void eightyMissionsWithLongTitlesAreListedAndSaved() {
        auto title = [](int k) {
            return QStringLiteral("Mission %1 ").arg(k) + QString(500, QLatin1Char('x'));
        };
        ModalDriver driver;
        QElapsedTimer timer;
        timer.start();
        SaveCampaign(
            driver,
            [&](QWidget* editor) {
                for (int k = 1; k <= 80; ++k)
                    AddMission(driver, editor, QStringLiteral("Map%1.english").arg(k), title(k));
                QTreeWidget* tree = Find<QTreeWidget>(editor, "CampaignView");
                QTreeWidgetItem* main = tree->topLevelItem(0);
                QCOMPARE(main->childCount(), 80);
                for (int k = 1; k <= 80; ++k)
                    QCOMPARE(main->child(k - 1)->text(0), title(k));
                tree->scrollToItem(main->child(79));
                QVERIFY(!tree->grab().isNull());
            },
            Path("Guide80.english"));
        qInfo("80 missions with long titles added and saved in %lld ms", timer.elapsed());

        const QList<QByteArray> lines = FileBytes(Path("Guide80.english")).split('\n');
        QList<QByteArray> missions;
        for (const QByteArray& line : lines)
            if (line.startsWith("$Checked="))
                missions << line;
        QCOMPARE(missions.size(), 80);
        for (int k = 1; k <= 80; ++k) {
            const QByteArray previous =
                k == 1 ? QByteArray("1") : "{DoneMap" + QByteArray::number(k - 1) + "}";
            QCOMPARE(missions[k - 1], "$Checked=" + QByteArray::number(k) + " " +
                                          title(k).toLatin1() + ",MissionBegin,Map" +
                                          QByteArray::number(k) + ",{DoneMap" +
                                          QByteArray::number(k) + "}," + previous + "\r");
        }
    }

    void oddHelpFilesShowAnErrorOrTheirContent() {
        // Unreadable though it is a file: no permission stops root, but this one fails to read.
        fs::create_symlink("/proc/self/mem", HelpFilePath().toStdString());
        auto [shown, seen] = ShowHelp(1);
        QCOMPARE(seen.size(), 2);
        QVERIFY2(seen.first().startsWith(
                     QStringLiteral("MessageBox:%1:Cannot read").arg(int(QMessageBox::Critical))),
                 qPrintable(seen.first()));
        QVERIFY(shown.startsWith("Unable to load help.txt"));
        fs::remove(HelpFilePath().toStdString());

        // Five megabytes of help, shown whole.
        std::string huge;
        while (huge.size() < 5'000'000)
            huge += "Line " + std::to_string(huge.size()) + " of a very long help text.\r\n";
        WriteFile(HelpFilePath().toStdString(), huge);
        QElapsedTimer timer;
        timer.start();
        std::tie(shown, seen) = ShowHelp(0);
        qInfo("5 MB help.txt shown in %lld ms", timer.elapsed());
        QCOMPARE(seen, QStringList{"HelpBox"});
        QCOMPARE(shown.size(), qsizetype(huge.size()) - shown.count('\n') - 2);
        QVERIFY(shown.endsWith(" of a very long help text."));

        // Binary: NULs, bytes that are no text in any encoding, random data.
        const std::string binary =
            std::string("\0\0\0\xFF\xFE\xEF\xBB\xBF\x81\x8D\x8F\x90\x9D\r\r\n", 16) +
            RandomBytes(1'000'000);
        WriteFile(HelpFilePath().toStdString(), binary);
        timer.restart();
        std::tie(shown, seen) = ShowHelp(0);
        qInfo("1 MB binary help.txt shown in %lld ms", timer.elapsed());
        QCOMPARE(seen, QStringList{"HelpBox"});
        QVERIFY(shown.startsWith(QString::fromUtf16(u"\0\0\0\u00ff\u00fe\u00ef\u00bb\u00bf"
                                                    u"\u0081\u008d\u008f\u0090\u009d\n\n",
                                                    15)));
    }

    void oddRegistryFilesNeverStopTheStart() {
        const std::string header =
            "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n";
        const std::string value = "[Software\\\\Wow6432Node\\\\Titanic Entertainment\\\\NetStorm] "
                                  "1700000000\n\"InstallDir\"=\"C:\\\\Games\\\\NetStorm\"\n";
        std::string huge = header;
        for (int key = 0; huge.size() < 20'000'000; ++key)
            huge += "[Software\\\\Classes\\\\CLSID\\\\{" + std::to_string(key) +
                    "}] 1700000000\n#time=1da0b0c0d0e0f00\n@=\"Some component\"\n"
                    "\"ThreadingModel\"=\"Both\"\n\"Data\"=hex:00,01,02,03,04,05,06,07,08,\\\n"
                    "  09,0a,0b\n\n";
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(StartWithRegistry(huge + value + "\n[Software\\\\Wine] 1700000000\n"),
                 std::string("C:\\Games\\NetStorm"));
        qInfo("20 MB system.reg read at start-up in %lld ms", timer.elapsed());
        QVERIFY2(timer.elapsed() < 30'000, "a hang, not a slow machine");

        // Cut short anywhere in the value's line: a partial folder is never taken.
        const std::string whole = header + value;
        for (std::size_t cut : {whole.size() - 2, whole.size() - 10, header.size() + 30})
            QCOMPARE(StartWithRegistry(whole.substr(0, cut)), std::string());

        // Binary: random bytes, alone, after the header, and between the header and the key.
        const std::string random = RandomBytes(2'000'000);
        QCOMPARE(StartWithRegistry(random), std::string());
        QCOMPARE(StartWithRegistry(header + random), std::string());
        QCOMPARE(StartWithRegistry(header + std::string(1000, '\0') + random + "\n" + value),
                 std::string("C:\\Games\\NetStorm"));
    }
};

QTEST_MAIN(HostileInputsTest)
#include "test_hostile_inputs.moc"
