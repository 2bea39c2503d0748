// A mission from the start window's "New Mission" to the saved files, through the real
// windows and dialogs as a user goes: typing, clicking, picking from lists, answering every
// dialog that appears. Two missions are made in one run of the program, as a map maker would.
#include "ModalDriver.h"
#include "WorkedExample.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"
#include "ui/wizard/ViewSourceBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace vornask;
using namespace vornask::test;

namespace {

const QStringList kPages = {"FirstBox", "SecondBox", "ThirdBox",     "FourthBox",
                            "FifthBox", "SixthBox",  "ViewSourceBox"};

// The bytes of a file the game reads: every line followed by CR LF, the last one too.
QByteArray FileBytes(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines)
        bytes += QByteArray::fromStdString(line) + "\r\n";
    return bytes;
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file of `folder` with its bytes.
QMap<QString, QByteArray> Snapshot(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        files[name] = Contents(QDir(folder).filePath(name));
    return files;
}

void TypeNumber(QWidget* window, const QString& spinName, const QString& digits) {
    QLineEdit* edit = Find<QSpinBox>(window, spinName)->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClicks(edit, digits);
}

// Types over the whole text of an editable combo box, one key at a time.
void TypeOver(QWidget* window, const QString& comboName, const QString& text) {
    QLineEdit* edit = Find<QComboBox>(window, comboName)->lineEdit();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// Opens the combo box's list and clicks the item.
void PickFromList(QWidget* window, const QString& comboName, const QString& item) {
    auto* box = Find<QComboBox>(window, comboName);
    const int index = box->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
    QVERIFY2(index >= 0, qPrintable(item));
    box->showPopup();
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    const QModelIndex entry = list->model()->index(index, box->modelColumn());
    list->scrollTo(entry);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(entry).center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(box->currentText(), item);
}

void ClickItem(QWidget* window, const QString& listName, const QString& caption) {
    auto* list = Find<QListWidget>(window, listName);
    const auto items = list->findItems(caption, Qt::MatchExactly);
    QVERIFY2(items.size() == 1, qPrintable(caption));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(items.first()).center());
    QCOMPARE(list->currentItem(), items.first());
}

void ClickTab(QWidget* players, const QString& caption) {
    auto* notebook = Find<QTabWidget>(players, "TabbedNotebook1");
    QTabBar* tabs = notebook->tabBar();
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == caption)
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
    QCOMPARE(notebook->tabText(notebook->currentIndex()), caption);
}

int TickedCount(QWidget* window, const QString& listName) {
    auto* list = Find<QListWidget>(window, listName);
    int ticked = 0;
    for (int row = 0; row < list->count(); ++row)
        ticked += list->item(row)->checkState() == Qt::Checked;
    return ticked;
}

bool Ticked(QWidget* window, const QString& name) {
    return Find<QCheckBox>(window, name)->isChecked();
}

QString Text(QWidget* window, const QString& name) {
    QWidget* control = Find<QWidget>(window, name);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(control))
        return memo->toPlainText();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText();
    if (auto* spin = qobject_cast<QSpinBox*>(control))
        return spin->text();
    qFatal("no text in %s", qPrintable(name));
}

// Replaces line `number` (from 0) of a memo by typing over it.
void TypeOverLine(QPlainTextEdit* memo, int number, const QString& text) {
    const QTextBlock line = memo->document()->findBlockByNumber(number);
    QVERIFY(line.isValid());
    QTextCursor cursor(line);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    memo->setTextCursor(cursor);
    QTest::keyClicks(memo, text);
}

// The lines of the second mission: every page at its defaults, with only the first opponent
// taking part. Its advanced values are those given to it in the first mission.
const std::vector<std::string> kSecondMissionLines = {
    "[Header]",
    "missionType = \"Tutorial\"",
    "",
    "missionNumber = \"1\"",
    "moreGeysers = \"1\"",
    "randGeysers = \"1\"",
    "",
    "myStartMoney = \"0\"",
    "myTech = \"\"",
    "myAllyList = \"\"",
    "",
    "title = \"My Map\"",
    "",
    "ai2Name = \"Badguy #1\"",
    "ai2Tech = \"\"",
    "ai2StartMoney = \"0\"",
    "ai2AllyList = \"\"",
    "ai2Color = \"red\"",
    "ai2Collectors = \"3\"",
    "ai2BridgeDrawRate = \"4\"",
    "ai2GeyserAttachments = \"2\"",
    "ai2TimeBetweenMoves = \"2\"",
    "ai2Ability = \"\"",
    "",
    "[Options]",
    "",
    "[A.]",
    "<h2>My Map</h2>",
    "<i>\"Why of course my maps are the best!\"<br>",
    "--The Mapmaker</i>",
    "<p>You were living happily but then you got attacked and had to fight.",
    "",
    "$Button=Review Knowledge,ShowTechnology,55",
    "$Button=Play Mission,DoNothing,0",
    "",
    "[Succeeded]",
    "<h2></h2>",
    "<p>",
    "<$Config,Done{mission.fileName}=1>",
    "$Button=Leave Missions,MissionAbort,0",
    "",
    "",
    "[Failed]",
    "<h2></h2>",
    "<p>",
    "$Button=Continue,Tell,TryAgain",
    "",
    "[END]",
};
constexpr int kTitleLine = 11;

} // namespace

// The test functions run in order over one run of the program: the second mission relies on
// what the first left behind.
class MissionEndToEndTest : public QObject {
    Q_OBJECT
    std::unique_ptr<AppWindows> windows_;
    QTemporaryDir temp_;
    QString folder_; // where the save dialog starts: the game's folder for missions

    QString Saved(const QString& name) const { return QDir(folder_).filePath(name); }

    // After the wizard, only the start window is left, and nothing modal.
    void CheckWizardClosed() {
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        for (const QString& page : kPages)
            QVERIFY2(!TopLevel(page)->isVisible(), qPrintable(page));
        QVERIFY(!windows_->ViewSourceBox().SaveDialog1().isVisible());
        QVERIFY(!TopLevel("AdvancedAIOptions")->isVisible());
        QVERIFY(windows_->StartBox().isVisible());
    }

private slots:
    void initTestCase() {
        QVERIFY(temp_.isValid());
        windows_ = std::make_unique<AppWindows>();
        windows_->StartBox().show();
        QVERIFY(QTest::qWaitForWindowExposed(&windows_->StartBox()));
        // As if the registry named this installation of the game.
        windows_->StartBox().InstallDir = (temp_.path() + "/NetStorm").toStdString();
        folder_ = windows_->DialogFolder();
        QVERIFY(QDir().mkpath(folder_));
    }

    void theWorkedExampleIsSavedWithItsGermanCopy() {
        ModalDriver driver;
        driver.When("FirstBox", [](QWidget* w) { Click(w, "Button1"); });
        driver.When("SecondBox", [](QWidget* w) {
            TypeNumber(w, "MissionNumberBox", "2");
            PickFromList(w, "RandomGeysersBox", "False");
            Click(w, "Button1");
        });
        driver.When("ThirdBox", [](QWidget* w) { Click(w, "Button1"); });
        driver.When("FourthBox", [](QWidget* w) {
            TypeNumber(w, "MyStartMoneyBox", "1000");
            Click(w, "CheckBox1");
            ClickTab(w, "AI2");
            Click(w, "EnableAI2");
            Click(w, "CheckBox2");
            TypeNumber(w, "AI2StartMoneyBox", "500");
            Click(w, "AdvancedButton2");
            Click(w, "Button2");
        });
        driver.When("AdvancedAIOptions", [](QWidget* w) {
            QCOMPARE(Find<QLabel>(w, "Label5")->text(), QStringLiteral("For AI2..."));
            const QList<QPair<QString, QString>> picks = {{"Collectors", "3"},
                                                          {"BridgeDrawRate", "4"},
                                                          {"GeyserAttachments", "2"},
                                                          {"TimeBetweenMoves", "2"}};
            for (const auto& [option, value] : picks) {
                ClickItem(w, "ListBox1", option);
                PickFromList(w, "ComboBox1", value);
            }
            Click(w, "Button2");
        });
        driver.When("FifthBox", [](QWidget* w) {
            auto* heading = Find<QLineEdit>(w, "HeadingBox");
            auto* text = Find<QPlainTextEdit>(w, "TextBox");
            QTest::keyClicks(heading, "Victory");
            QTest::keyClicks(text, "The enemy temple has fallen.");
            TypeOver(w, "ComboBox981", "Failed");
            QTest::keyClicks(heading, "Defeat");
            QTest::keyClicks(text, "Your priest is lost.");
            PickFromList(w, "ComboBox981", "TempleDead");
            QCOMPARE(Text(w, "aiBox"), QStringLiteral("ai2"));
            QTest::keyClicks(heading, "Temple destroyed");
            Click(w, "Button1");
        });
        driver.When("SixthBox", [](QWidget* w) {
            QVERIFY(Ticked(w, "DuplicateCheck"));
            QTest::keyClicks(Find<QLineEdit>(w, "MissionName"), "mission3");
            QVERIFY(Ticked(w, "NextMissionCheck")); // typing the name ticked it
            Click(w, "Button1");
        });
        driver.When("SaveDialog1", [this](QWidget* w) {
            QCOMPARE(QDir(qobject_cast<QFileDialog*>(w)->directory()), QDir(folder_));
            auto* name = Find<QLineEdit>(w, "fileNameEdit");
            name->setText("mission"); // a bare name: the dialog adds ".english"
            QTest::keyClick(name, Qt::Key_Return);
        });
        Click(&windows_->StartBox(), "Button1");
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        QCOMPARE(driver.Seen(),
                 QStringList({"FirstBox", "SecondBox", "ThirdBox", "FourthBox", "AdvancedAIOptions",
                              "FifthBox", "SixthBox", "SaveDialog1"}));

        const QByteArray expected = FileBytes(kWorkedExampleLines);
        QCOMPARE(Contents(Saved("mission.english")), expected);
        QCOMPARE(Contents(Saved("mission.german")), expected);
        QCOMPARE(QDir(folder_).entryList(QDir::Files).size(), 2);
        CheckWizardClosed();
    }

    // After the save above, the start window names the file under its buttons until the next
    // action.
    void theStartWindowNamesTheSavedFileUntilTheNextAction() {
        auto* label = Find<QLabel>(&windows_->StartBox(), "SavedLabel");
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(),
                 "Saved " + QDir::toNativeSeparators(
                                QFileInfo(Saved("mission.english")).absoluteFilePath()));
        QString shownDuringHelp = "<not shown>";
        ModalDriver driver;
        driver.When("HelpBox", [&](QWidget* w) {
            shownDuringHelp = label->text();
            w->close();
        });
        Click(&windows_->StartBox(), "Button4");
        QVERIFY(driver.Done());
        QCOMPARE(shownDuringHelp, QString());
        QCOMPARE(label->text(), QString());
    }

    void aSecondMissionStartsFromTheDefaultsAndSavesTheEditedSource() {
        ModalDriver driver;
        driver.When("FirstBox", [](QWidget* w) { Click(w, "Button1"); });
        driver.When("SecondBox", [](QWidget* w) {
            QCOMPARE(Text(w, "MissionTypeBox"), QStringLiteral("Tutorial"));
            QCOMPARE(Text(w, "TitleBox"), QStringLiteral("My Map"));
            QCOMPARE(Find<QSpinBox>(w, "MissionNumberBox")->value(), 1);
            QCOMPARE(Text(w, "MoreGeysersBox"), QStringLiteral("True"));
            QCOMPARE(Text(w, "RandomGeysersBox"), QStringLiteral("True"));
            Click(w, "Button1");
        });
        driver.When("ThirdBox", [](QWidget* w) {
            QCOMPARE(Text(w, "QuoteTextBox"),
                     QStringLiteral("\"Why of course my maps are the best!\""));
            QCOMPARE(Text(w, "QuoteAuthorBox"), QStringLiteral("The Mapmaker"));
            QCOMPARE(Text(w, "BackgroundStoryBox"),
                     QStringLiteral(
                         "You were living happily but then you got attacked and had to fight."));
            Click(w, "Button1");
        });
        driver.When("FourthBox", [](QWidget* w) {
            QCOMPARE(Find<QSpinBox>(w, "MyStartMoneyBox")->value(), 0);
            QVERIFY(!Ticked(w, "CheckBox1"));
            QCOMPARE(TickedCount(w, "MyTechBox"), 0);
            ClickTab(w, "AI2");
            QVERIFY(!Ticked(w, "EnableAI2"));
            QVERIFY(!Ticked(w, "CheckBox2"));
            QCOMPARE(TickedCount(w, "AI2TechBox"), 0);
            QCOMPARE(Find<QSpinBox>(w, "AI2StartMoneyBox")->value(), 0);
            QCOMPARE(Text(w, "AI2NameBox"), QStringLiteral("Badguy #1"));
            Click(w, "EnableAI2"); // takes part again, its advanced values untouched
            Click(w, "Button2");
        });
        driver.When("FifthBox", [](QWidget* w) {
            QCOMPARE(Text(w, "ComboBox981"), QStringLiteral("Succeeded"));
            QCOMPARE(Text(w, "aiBox"), QStringLiteral("ai2"));
            QVERIFY(!Find<QComboBox>(w, "aiBox")->isEnabled());
            QCOMPARE(Text(w, "HeadingBox"), QString());
            QCOMPARE(Text(w, "TextBox"), QString());
            PickFromList(w, "ComboBox981", "Failed");
            QCOMPARE(Text(w, "HeadingBox"), QString());
            PickFromList(w, "ComboBox981", "TempleDead");
            QCOMPARE(Text(w, "HeadingBox"), QString());
            Click(w, "Button1");
        });
        driver.When("SixthBox", [](QWidget* w) {
            QVERIFY(Ticked(w, "DuplicateCheck"));
            QVERIFY(!Ticked(w, "EditSourceCheck"));
            QVERIFY(!Ticked(w, "NextMissionCheck"));
            QCOMPARE(Text(w, "MissionName"), QString());
            Click(w, "EditSourceCheck");
            Click(w, "Button1");
        });
        driver.When("ViewSourceBox", [](QWidget* w) {
            auto* source = Find<QPlainTextEdit>(w, "SourceBox");
            QStringList shown;
            for (const std::string& line : kSecondMissionLines)
                shown << QString::fromStdString(line);
            QCOMPARE(source->toPlainText(), shown.join('\n'));
            TypeOverLine(source, kTitleLine, "title = \"Second Map\"");
            Click(w, "Button1");
        });
        driver.When("SaveDialog1", [](QWidget* w) {
            // The name chosen last is offered again; saving over it asks first.
            QCOMPARE(Text(w, "fileNameEdit"), QStringLiteral("mission.english"));
            QTest::keyClick(Find<QLineEdit>(w, "fileNameEdit"), Qt::Key_Return);
        });
        // "Overwrite"; the old copy is a copy of the file replaced, no translation: it is
        // replaced with it unasked.
        driver.Answer(QMessageBox::Yes);
        Click(&windows_->StartBox(), "Button1");
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        const auto saved = [this](const char* name) {
            return QDir::toNativeSeparators(QFileInfo(Saved(name)).absoluteFilePath());
        };
        const QString question = QStringLiteral("MessageBox:%1:").arg(int(QMessageBox::Question));
        QCOMPARE(driver.Seen().constLast(),
                 question + "Overwrite " + saved("mission.english") + "?");

        std::vector<std::string> edited = kSecondMissionLines;
        edited[kTitleLine] = "title = \"Second Map\"";
        QCOMPARE(Contents(Saved("mission.english")), FileBytes(edited));
        QCOMPARE(Contents(Saved("mission.german")), FileBytes(edited));
        CheckWizardClosed();
    }

    void givingUpSavingWritesNothing() {
        const QMap<QString, QByteArray> before = Snapshot(folder_);
        ModalDriver driver;
        for (const QString& page : kPages.mid(0, 6))
            driver.When(page, [page](QWidget* w) {
                Click(w, page == "FourthBox" ? "Button2" : "Button1");
            });
        // Not yet: the dialog comes back. Then for good.
        driver.CancelFile("SaveDialog1").Answer(QMessageBox::No);
        driver.CancelFile("SaveDialog1").Answer(QMessageBox::Yes);
        Click(&windows_->StartBox(), "Button1");
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        const QString question = QStringLiteral("MessageBox:%1:Sure you don't want to save?")
                                     .arg(int(QMessageBox::Question));
        QCOMPARE(driver.Seen().mid(6),
                 QStringList({"SaveDialog1", question, "SaveDialog1", question}));
        QCOMPARE(Snapshot(folder_), before);
        CheckWizardClosed();
        QCOMPARE(Find<QLabel>(&windows_->StartBox(), "SavedLabel")->text(), QString());
    }
};

QTEST_MAIN(MissionEndToEndTest)
#include "test_mission_end_to_end.moc"
