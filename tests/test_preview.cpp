// The preview through the windows: each rule of the game's drawing on a file of ours, from the
// entry box page, the events page, both source views and the campaign editor; it follows what
// is typed, a ticked flag draws the page again, and it stays usable while its page runs.
#include "ModalDriver.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeWidget>

using namespace vornask;
using namespace vornask::test;

namespace {

const QString kRulesFile = QStringLiteral(VORNASK_TEST_DATA "/PreviewRules.english");
const QString kGuideFile = QStringLiteral(VORNASK_TEST_DATA "/GuidePreview.english");

QWidget* Preview() {
    return TopLevel("PreviewBox");
}

QTextBrowser* PreviewText() {
    return Find<QTextBrowser>(Preview(), "PreviewText");
}

QString Drawn() {
    return PreviewText()->toPlainText();
}

// Where the words `text` are drawn: their characters' format and their line's format.
QTextCursor DrawnAt(const QString& text) {
    const QTextCursor found = PreviewText()->document()->find(
        text, 0, QTextDocument::FindWholeWords | QTextDocument::FindCaseSensitively);
    if (found.isNull())
        qWarning("not drawn: %s", qPrintable(text));
    return found;
}

QColor ColourOf(const QString& text) {
    return DrawnAt(text).charFormat().foreground().color();
}

QStringList ButtonCaptions() {
    QStringList captions;
    for (auto* button : Find<QWidget>(Preview(), "PreviewButtons")->findChildren<QPushButton*>()) {
        if (button->isEnabled())
            captions << QStringLiteral("(enabled)");
        captions << button->text();
    }
    return captions;
}

QStringList Flags(Qt::CheckState state) {
    QStringList flags;
    auto* list = Find<QListWidget>(Preview(), "PreviewFlags");
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->checkState() == state)
            flags << list->item(row)->text();
    return flags;
}

// Ticks the flag as the user does from the keyboard, through the window system: a window the
// modal page blocked would not take it.
void TickWithSpace(const QString& flag) {
    auto* list = Find<QListWidget>(Preview(), "PreviewFlags");
    list->setCurrentItem(list->findItems(flag, Qt::MatchExactly).value(0));
    list->setFocus();
    QTest::keyClick(Preview()->windowHandle(), Qt::Key_Space);
}

void PutCursorAfter(QPlainTextEdit& box, const QString& text) {
    QTextCursor found = box.document()->find(text);
    QVERIFY2(!found.isNull(), qPrintable(text));
    found.clearSelection();
    box.setTextCursor(found);
}

// Opens `file` as the start window's "Open" does and runs `onPage` on `page` when it comes; the
// pages before it are passed with "OK", and the page is closed after.
void OnOpenedPage(AppWindows& windows, const QString& file, const QString& page,
                  const std::function<void(QWidget*)>& onPage) {
    ModalDriver driver;
    const QStringList pages = {"SecondBox", "ThirdBox", "FourthBox", "FifthBox", "SixthBox"};
    for (const QString& before : pages.mid(0, pages.indexOf(page)))
        driver.When(before, [](QWidget* w) {
            Click(w, w->objectName() == "FourthBox" ? "Button2" : "Button1");
        });
    driver.When(page, [&onPage](QWidget* w) {
        onPage(w);
        CloseDroppingWork(w);
    });
    windows.OpenFile(file);
    QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
    std::unique_ptr<AppWindows> windows_;

private slots:
    void init() { windows_ = std::make_unique<AppWindows>(); }
    void cleanup() { windows_.reset(); }

    // Made when first opened, beside the page, which keeps running; the page's close closes it.
    void theWindowIsMadeWhenFirstOpened() {
        QVERIFY(!Preview());
        OnOpenedPage(*windows_, kRulesFile, "ThirdBox", [](QWidget* page) {
            auto* button = Find<QPushButton>(page, "PreviewButton");
            QCOMPARE(button->text(), QStringLiteral("Pre&view"));
            QVERIFY(!Preview());
            button->click();
            QVERIFY(Preview() && Preview()->isVisible());
            QCOMPARE(Preview()->windowTitle(), QStringLiteral("Preview"));
            QCOMPARE(QString::fromLatin1(Preview()->metaObject()->className()), "TPreviewBox");
            QVERIFY(!qobject_cast<QDialog*>(Preview())->isModal());
            QVERIFY(Preview()->minimumSize() != Preview()->maximumSize());
            QCOMPARE(QApplication::activeModalWidget(), page);
        });
        QVERIFY(!Preview()->isVisible());
    }

    // From the keyboard: Tab from the text reaches "Preview", which Space presses; the focus
    // stays in the page, to type on.
    void theKeyboardReachesThePreview() {
        OnOpenedPage(*windows_, kRulesFile, "ThirdBox", [](QWidget* page) {
            auto* story = Find<QPlainTextEdit>(page, "BackgroundStoryBox");
            story->setFocus();
            QTest::keyClick(story, Qt::Key_Tab);
            QWidget* button = page->focusWidget();
            QCOMPARE(button->objectName(), QStringLiteral("PreviewButton"));
            QTest::keyClick(button, Qt::Key_Space);
            QVERIFY(Preview() && Preview()->isVisible());
            QCOMPARE(QApplication::focusWidget(), button);
        });
        ModalDriver driver;
        driver.When("CampaignBox", [](QWidget* editor) {
            auto* intro = Find<QPlainTextEdit>(editor, "CampaignText");
            intro->setFocus();
            QTest::keyClick(intro, Qt::Key_Tab);
            QCOMPARE(editor->focusWidget()->objectName(), QStringLiteral("PreviewButton"));
            QTest::keyClick(editor->focusWidget(), Qt::Key_Return);
            QVERIFY(Drawn().startsWith(QStringLiteral("The Preview Saga")));
            editor->close();
        });
        windows_->OpenFile(kGuideFile);
        QVERIFY(driver.Done());
    }

    // The entry box of our file, rule by rule, as the game draws it.
    void theEntryBoxIsDrawnRuleByRule() {
        OnOpenedPage(*windows_, kRulesFile, "ThirdBox", [](QWidget* page) {
            Click(page, "PreviewButton");
            const QString drawn = Drawn();
            const QStringList lines = drawn.split('\n');
            // The first heading is the title, larger and bold; another heading is larger too.
            QCOMPARE(lines.value(0), QStringLiteral("The Rules"));
            const QTextCharFormat title = DrawnAt("The Rules").charFormat();
            const QTextCharFormat text = DrawnAt("Two lines").charFormat();
            QVERIFY(title.fontWeight() == QFont::Bold && text.fontWeight() != QFont::Bold);
            QVERIFY(title.fontPointSize() > PreviewText()->document()->defaultFont().pointSizeF());
            QCOMPARE(DrawnAt("A heading").charFormat().fontPointSize(), title.fontPointSize());
            QCOMPARE(lines.value(1), QStringLiteral("Background picture: nsstart"));
            // "<br>" breaks a line; "<p>" starts a paragraph a little lower; a line end is a space.
            QCOMPARE(lines.value(2), QStringLiteral("\"Keep the rules\""));
            QCOMPARE(lines.value(3), QStringLiteral("--The Author"));
            QVERIFY(DrawnAt("Two lines").blockFormat().topMargin() > 0);
            QCOMPARE(DrawnAt("--The Author").blockFormat().topMargin(), 0.0);
            QVERIFY(drawn.contains("Two lines typed one under the other."));
            // Styles and colours.
            QVERIFY(DrawnAt("Keep the rules").charFormat().fontItalic());
            QVERIFY(DrawnAt("quoted").charFormat().fontItalic());
            QCOMPARE(DrawnAt("bold").charFormat().fontWeight(), QFont::Bold);
            QCOMPARE(DrawnAt("strong").charFormat().fontWeight(), QFont::Bold);
            QCOMPARE(ColourOf("Red"), QColor(0xFF6A5C));
            QCOMPARE(ColourOf("a link"), QColor(0x7f, 0xb2, 0xff));
            QCOMPARE(ColourOf("quoted"), ColourOf("Two lines"));
            QCOMPARE(DrawnAt("Centred").blockFormat().alignment(), Qt::AlignHCenter);
            // A tilde, tags that are dropped; pictures by the units' names; variables.
            QVERIFY(drawn.contains("A tilde: ~. Unknown tags go."));
            QVERIFY(drawn.contains("[Sun Cannon] fires; [golem] walks.\nThis is PreviewRules, "
                                   "{PLAYER.NAME}."));
            // Conditions: the flag is not set; the file name compares equal.
            QVERIFY(drawn.contains("Island1 waits. The file is mine."));
            QVERIFY(!drawn.contains("Island1 is won."));
            QCOMPARE(Flags(Qt::Unchecked), QStringList{"DoneIsland1"});
            // The game's own characters; commands draw nothing; buttons below, never pressed.
            QVERIFY(drawn.endsWith(QStringLiteral("Caf\u00e9 for 5 \u20ac.")));
            QVERIFY(!drawn.contains("Hints") && !drawn.contains("$"));
            QCOMPARE(ButtonCaptions(), (QStringList{"Review Knowledge", "Save && Go"}));
        });
    }

    // Typing in any box of the page is drawn; a ticked flag draws the page again.
    void thePreviewFollowsTheTypingAndTheFlags() {
        OnOpenedPage(*windows_, kRulesFile, "ThirdBox", [](QWidget* page) {
            Click(page, "PreviewButton");
            auto* story = Find<QPlainTextEdit>(page, "BackgroundStoryBox");
            story->setFocus();
            story->moveCursor(QTextCursor::End);
            QTest::keyClicks(story, " Typed <b>now</b>");
            QTRY_VERIFY(Drawn().endsWith(QStringLiteral(" Typed now")));
            QCOMPARE(DrawnAt("now").charFormat().fontWeight(), QFont::Bold);
            // The quote as it is typed, not as it was stored.
            Find<QLineEdit>(page, "QuoteTextBox")->setText("Rules are rules");
            QTRY_COMPARE(Drawn().split('\n').value(2), QStringLiteral("Rules are rules"));

            TickWithSpace("DoneIsland1");
            QCOMPARE(Flags(Qt::Checked), QStringList{"DoneIsland1"});
            QVERIFY(Drawn().contains("Island1 is won. The file is mine."));
            QVERIFY(!Drawn().contains("Island1 waits."));
            // The tick holds while the text changes.
            QTest::keyClicks(story, "!");
            QTRY_VERIFY(Drawn().endsWith(QStringLiteral(" Typed now!")));
            QVERIFY(Drawn().contains("Island1 is won."));
        });
    }

    // Drawn again as the text changes, a long text stays where its reader scrolled it.
    void aLongTextKeepsItsPlace() {
        OnOpenedPage(*windows_, kRulesFile, "ThirdBox", [](QWidget* page) {
            QString story;
            for (int line = 1; line <= 300; ++line)
                story += QStringLiteral("Line %1<br>\n").arg(line);
            auto* box = Find<QPlainTextEdit>(page, "BackgroundStoryBox");
            box->setPlainText(story);
            Click(page, "PreviewButton");
            QScrollBar* scroll = PreviewText()->verticalScrollBar();
            QVERIFY(scroll->maximum() > 0);
            scroll->setValue(scroll->maximum() / 2);
            const int place = scroll->value();
            box->moveCursor(QTextCursor::End);
            box->insertPlainText(QStringLiteral("The end"));
            QTRY_VERIFY(Drawn().endsWith(QStringLiteral("The end")));
            QCOMPARE(scroll->value(), place);
        });
    }

    // The chosen event's message, as the choosers change.
    void theEventsPageShowsTheChosenMessage() {
        OnOpenedPage(*windows_, kRulesFile, "FifthBox", [](QWidget* page) {
            Click(page, "PreviewButton");
            QCOMPARE(Drawn(), QStringLiteral("Victory\nWon."));
            QCOMPARE(ButtonCaptions(), QStringList{"Leave Missions"});
            Pick(page, "ComboBox981", "TempleDead");
            Pick(page, "aiBox", "ai2");
            QTRY_COMPARE(Drawn(), QStringLiteral("The temple falls\nOrange smoke."));
            QCOMPARE(ColourOf("Orange"), QColor(0xFFA14A));
            QVERIFY(ButtonCaptions().isEmpty());
            Find<QLineEdit>(page, "HeadingBox")->setText("It burns");
            QTRY_COMPARE(Drawn(), QStringLiteral("It burns\nOrange smoke."));
            // An event whose message is empty is not in the file: the game shows nothing.
            Pick(page, "aiBox", "ai3");
            QTRY_COMPARE(Drawn(), QStringLiteral("The game shows nothing here: the file holds "
                                                 "no such section."));
            Pick(page, "ComboBox981", "Failed");
            QTRY_COMPARE(Drawn(), QStringLiteral("Defeat\nLost."));
            QCOMPARE(ButtonCaptions(), QStringList{"Continue"});
        });
    }

    // The section under the cursor, as the cursor moves and the text is edited.
    void theSourceViewShowsTheSectionUnderTheCursor() {
        ModalDriver driver;
        driver.When("ViewSourceBox", [](QWidget* view) {
            auto* source = Find<QPlainTextEdit>(view, "SourceBox");
            source->setFocus();
            PutCursorAfter(*source, "[ai2TempleDead]");
            Click(view, "PreviewButton");
            QCOMPARE(Drawn(), QStringLiteral("The temple falls\nOrange smoke."));
            PutCursorAfter(*source, "Defeat");
            QTRY_COMPARE(Drawn(), QStringLiteral("Defeat\nLost."));
            QTest::keyClicks(source, "!");
            QTRY_COMPARE(Drawn(), QStringLiteral("Defeat!\nLost."));
            source->moveCursor(QTextCursor::Start);
            QTRY_VERIFY(Drawn().startsWith(QStringLiteral("The game shows nothing here")));
            CloseDroppingWork(view);
        });
        OnOpenedPage(*windows_, kRulesFile, "SixthBox", [&driver](QWidget* page) {
            Find<QCheckBox>(page, "EditSourceCheck")->setChecked(true);
            Click(page, "Button1");
            QVERIFY(driver.Done());
        });
    }

    // The guide's intro and its menu of missions, with the editor's values as they change.
    void theCampaignEditorShowsTheOverview() {
        ModalDriver driver;
        driver.When("CampaignBox", [](QWidget* editor) {
            Click(editor, "PreviewButton");
            QCOMPARE(Drawn(), QString("The Preview Saga\nBackground picture: nsstart\nTwo "
                                      "battles.\n\u2610 1 Ice Fortress\n\u2610 2 Frozen Lake"));
            QCOMPARE(ButtonCaptions(), QStringList{"Back"});
            QCOMPARE(Flags(Qt::Unchecked), (QStringList{"DoneIceFortress", "DoneFrozenLake"}));
            const QColor open = ColourOf("1 Ice Fortress");
            QVERIFY(ColourOf("2 Frozen Lake") != open); // dimmed: the first is not won
            TickWithSpace("DoneIceFortress");
            QVERIFY(Drawn().contains(QString("\u2611 1 Ice Fortress\n\u2610 2 Frozen Lake")));
            QCOMPARE(ColourOf("2 Frozen Lake"), open);
            // The editor's values: the header, and missions played in any order.
            Find<QLineEdit>(editor, "CampaignHeader")->setText("Saga");
            QTRY_VERIFY(Drawn().startsWith(QStringLiteral("Saga\n")));
            TickWithSpace("DoneIceFortress"); // not won again
            Find<QCheckBox>(editor, "Sequential")->setChecked(false);
            QTRY_COMPARE(Flags(Qt::Unchecked), (QStringList{"DoneIceFortress", "DoneFrozenLake"}));
            QTRY_COMPARE(ColourOf("2 Frozen Lake"), open);
            editor->close();
        });
        windows_->OpenFile(kGuideFile);
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
    }

    // The guide's source view, beside the start window once the editor has closed.
    void theCampaignSourceViewShowsTheSectionUnderTheCursor() {
        ModalDriver driver;
        // The missions' files are nowhere: saved anyway.
        driver.When("CampaignBox", [](QWidget* editor) { Click(editor, "Button1"); })
            .Answer(QMessageBox::Yes)
            .When("CampaignFinished", [](QWidget* finish) {
                Find<QCheckBox>(finish, "ViewSource")->setChecked(true);
                Click(finish, "Button1");
            });
        windows_->OpenFile(kGuideFile);
        QVERIFY(driver.Done());
        QWidget* view = TopLevel("ViewCampaignSource");
        PutCursorAfter(*Find<QPlainTextEdit>(view, "SourceBox"), "Two battles");
        Click(view, "PreviewButton");
        QVERIFY(Drawn().startsWith(QStringLiteral("The Preview Saga\n")));
        QCOMPARE(Preview()->parentWidget(), view);
        view->close();
        QVERIFY(!Preview()->isVisible());
    }
};

QTEST_MAIN(PreviewTest)
#include "test_preview.moc"
