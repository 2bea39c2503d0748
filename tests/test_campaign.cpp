#include "ModalDriver.h"
#include "WorkedExample.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionFormat.h"
#include "core/mission/MissionWriter.h"
#include "core/text/TextLines.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"
#include "ui/campaign/CampaignBox.h"
#include "ui/platform/QtText.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QContextMenuEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>
#include <array>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <utility>

using namespace vornask;
using namespace vornask::test;

namespace {

const QString kInformation = QStringLiteral("MessageBox:1:");
const QString kWarning = QStringLiteral("MessageBox:2:");
const QString kCritical = QStringLiteral("MessageBox:3:");
const QString kQuestion = QStringLiteral("MessageBox:4:");
// "Check" with nothing found.
const QString kNothingFound =
    QStringLiteral("Nothing found: every mission file was found, and the game will read the guide "
                   "and its missions as you meant them, as far as the check can tell.");

const std::vector<std::string>& kWorkedExample = kWorkedExampleCampaignLines;

QTreeWidget* Tree(QWidget* editor) {
    return Find<QTreeWidget>(editor, "CampaignView");
}

QStringList MissionCaptions(QWidget* editor) {
    QStringList captions;
    QTreeWidgetItem* main = Tree(editor)->topLevelItem(0);
    for (int k = 0; k < main->childCount(); ++k)
        captions << main->child(k)->text(0);
    return captions;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(missing)";
    return file.readAll();
}

using Lines = std::vector<std::string>;

QByteArray Bytes(const std::vector<std::string>& lines) {
    return QByteArray::fromStdString(JoinLinesCrLf(lines));
}

// Each mission as "title|file" from the tree's two columns.
QStringList MissionRows(QWidget* editor) {
    QStringList rows;
    QTreeWidgetItem* main = Tree(editor)->topLevelItem(0);
    for (int k = 0; k < main->childCount(); ++k)
        rows << main->child(k)->text(0) + "|" + main->child(k)->text(1);
    return rows;
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A mission file titled `title` as the wizard writes it: its success marks it done.
QByteArray MissionFile(const std::string& title) {
    MissionSettings settings;
    settings.general.title = title;
    MissionLines lines;
    BuildMissionLines(settings, lines);
    return Bytes(lines);
}

} // namespace

class CampaignTest : public QObject {
    Q_OBJECT
    std::unique_ptr<AppWindows> windows_;
    ModalDriver* driver_ = nullptr;
    QTemporaryDir game_;
    QString folder_; // the game's "D" folder

    // Opens the editor with the start window's "New Campaign", runs `body` in it while it is
    // the active modal window, then closes it.
    void InEditor(ModalDriver& driver, std::function<void(QWidget*)> body) {
        driver_ = &driver;
        driver.When("CampaignBox", [body](QWidget* editor) {
            body(editor);
            editor->close();
        });
        Click(&windows_->StartBox(), "Button5");
        QVERIFY(driver.Done());
        QVERIFY(!TopLevel("CampaignBox")->isVisible());
    }

    // "Add" with `path` in the file name box, the title prompt answered with `title`.
    void Add(QWidget* editor, const QString& path, const QString& title) {
        driver_->When("AskTitleBox", [title](QWidget* prompt) {
            Find<QLineEdit>(prompt, "MapTitleBox")->setText(title);
            Click(prompt, "Button1");
        });
        Find<QLineEdit>(editor, "AddTreeItemBox")->setText(path);
        Click(editor, "Button2");
    }

    // "Add" with `file` in the file name box; the title the prompt offered. The prompt is
    // answered with `title`, or with Escape when it is empty.
    QString AddOffering(QWidget* editor, const QString& file, const QString& title) {
        QString offered;
        driver_->When("AskTitleBox", [&offered, title](QWidget* prompt) {
            auto* box = Find<QLineEdit>(prompt, "MapTitleBox");
            offered = box->text();
            if (title.isEmpty()) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            box->setText(title);
            Click(prompt, "Button1");
        });
        Find<QLineEdit>(editor, "AddTreeItemBox")->setText(file);
        Click(editor, "Button2");
        return offered;
    }

    // Right-clicks the mission at `position` (-1: the main node) and runs the pop-up item
    // `action` when it is enabled; returns whether it was.
    static bool PopUp(QWidget* editor, int position, const char* action) {
        QTreeWidget* tree = Tree(editor);
        QTreeWidgetItem* main = tree->topLevelItem(0);
        QTreeWidgetItem* node = position < 0 ? main : main->child(position);
        tree->setCurrentItem(node);
        const QPoint at = tree->visualItemRect(node).center();
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
        QApplication::sendEvent(tree->viewport(), &click);
        auto* menu = Find<QMenu>(editor, "TreeViewPopup");
        auto* item = Find<QAction>(editor, action);
        const bool enabled = menu->isVisible() && item->isEnabled();
        menu->hide();
        if (enabled)
            item->trigger();
        return enabled;
    }

    void AddWorkedExampleMissions(QWidget* editor) {
        Add(editor, "C:\\Games\\NetStorm\\D\\Island1.english", "Island One");
        Add(editor, "C:\\Games\\NetStorm\\D\\Bridge2.english", "The Bridge");
    }

    // Fills the editor with `fill`, then "Save" and the finish window's "OK" with "ViewSource"
    // ticked: the campaign source window that opens then stays open on its own.
    QWidget* ToTheSourceWindow(ModalDriver& driver, std::function<void(QWidget*)> fill) {
        InEditor(driver, [&](QWidget* editor) {
            fill(editor);
            driver.When("CampaignFinished", [](QWidget* finished) {
                SetCheck(finished, "ViewSource", true);
                Click(finished, "Button1");
            });
            Click(editor, "Button1");
        });
        return TopLevel("ViewCampaignSource");
    }

    // Opens the guide at `path` with the editor's "Open", runs `body` in the editor, then
    // closes it.
    void InOpenedGuide(ModalDriver& driver, const QString& path,
                       std::function<void(QWidget*)> body) {
        driver_ = &driver;
        driver.When("CampaignBox", [](QWidget* w) { Click(w, "OpenButton"); })
            .ChooseFile("OpenDialog2", path)
            .When("CampaignBox", [body](QWidget* editor) {
                body(editor);
                editor->close();
            });
        Click(&windows_->StartBox(), "Button5");
        QVERIFY(driver.Done());
    }

    // The bytes the opened guide would be saved as now.
    QByteArray GuideAsSaved() const {
        return QByteArray::fromStdString(
            SaveIntoDocument(*windows_->OpenedCampaign(), windows_->Campaign()).Bytes());
    }

    // Makes `window` the active window again, as the user would after a dialog over it.
    static void Activate(QWidget* window) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
    }

    // `keys` pressed in `window` as the user would, through the window system: a pop-up shown
    // over the window gets them first.
    static void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(window->windowHandle(), key, modifiers);
    }

    // Closes `window` as its close control or Alt+F4 do, by the window system's close event;
    // the windows seen meanwhile. A question is answered "Yes", or with Return (which must be
    // "No") when `pressReturn`.
    static QStringList SeenOnClosing(QWidget* window, bool pressReturn = false) {
        ModalDriver question;
        pressReturn ? question.PressReturn(QMessageBox::No) : question.Answer(QMessageBox::Yes);
        QCloseEvent close;
        QSpontaneKeyEvent::setSpontaneous(&close);
        QApplication::instance()->notify(window, &close);
        return question.Seen();
    }

    // "Check" in `editor` with something found: the findings window's summary, then each row of
    // its list. The window is closed with Escape.
    static QStringList CheckFindings(QWidget* editor) {
        QStringList shown;
        ModalDriver findings;
        findings.When("FindingsBox", [&shown](QWidget* box) {
            shown << Find<QLabel>(box, "SummaryLabel")->text();
            auto* list = Find<QListWidget>(box, "FindingsList");
            for (int i = 0; i < list->count(); ++i)
                shown << list->item(i)->text();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        Click(editor, "Button5");
        if (!findings.Done())
            shown << "(no findings window)";
        return shown;
    }

    // What the findings window and the question before saving say before the findings.
    static QString FindingsSummary(const QString& folder) {
        return "Looked for the missions in " + QDir::toNativeSeparators(folder) +
               ". What the game would read otherwise than you meant, in the guide's file as it "
               "will be saved and in the files of its missions:";
    }

    static void SetCheck(QWidget* window, const char* objectName, bool checked) {
        Find<QCheckBox>(window, objectName)->setChecked(checked);
    }

private slots:
    void initTestCase() {
        windows_ = std::make_unique<AppWindows>();
        windows_->StartBox().show();
        // As if the registry named this installation of the game.
        windows_->StartBox().InstallDir = (game_.path() + "/NetStorm").toStdString();
        folder_ = QDir(windows_->DialogFolder()).absolutePath();
        QVERIFY(QDir().mkpath(folder_));
    }

    // Each test starts with a game folder of its own.
    void cleanup() { QVERIFY(QDir(folder_).removeRecursively() && QDir().mkpath(folder_)); }

    // The prompt offers the title of the file named: a path as it stands or with ".english", a
    // bare name found in the game's folder as the game finds it; for a file that is none, would
    // keep the editor waiting, or is missing, its name. The tree shows each file beside its
    // title. "Check" lists, each with its line in the guide as it will be saved, what stands in
    // the way of each mission and what the missions' files hold; "Save" asks about it first
    // (Return keeps the editor open), and with nothing in the way goes straight on.
    void titlesFromTheFilesAndWhatTheCheckFinds() {
        Write(folder_ + "/Island1.english", MissionFile("Island One"));
        Write(folder_ + "/Far.english", MissionFile("Far Away"));
        Write(folder_ + "/Guide.english", Bytes(kWorkedExample));
        QCOMPARE(::mkfifo(QFile::encodeName(folder_ + "/Pipe.english").constData(), 0600), 0);
        const QByteArray late = MissionFile("Late").replace("<$Config,Done", "<$Confg,Done");
        Write(folder_ + "/LATE.english", late);
        const QStringList typed = {"island1",      folder_ + "/Far", "Guide",
                                   "Pipe.english", "Late",           "Missing"};
        QStringList offered;
        QStringList found;
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            SetCheck(editor, "Sequential", true);
            for (int k = 0; k < typed.size(); ++k) {
                driver.When("AskTitleBox", [&offered, k](QWidget* prompt) {
                    auto* title = Find<QLineEdit>(prompt, "MapTitleBox");
                    offered << title->text();
                    title->setText(QStringLiteral("T%1").arg(k + 1));
                    Click(prompt, "Button1");
                });
                Find<QLineEdit>(editor, "AddTreeItemBox")->setText(typed[k]);
                Click(editor, "Button2");
            }
            QCOMPARE(MissionRows(editor), (QStringList{"T1|island1", "T2|Far", "T3|Guide",
                                                       "T4|Pipe", "T5|Late", "T6|Missing"}));
            QCOMPARE(Tree(editor)->headerItem()->text(1), QStringLiteral("File"));
            QCOMPARE(Tree(editor)->topLevelItem(0)->text(1), QString());
            // The file column is shown, not edited: the guide's names come from "Add".
            Tree(editor)->editItem(Tree(editor)->topLevelItem(0)->child(0), 1);
            QVERIFY(!Tree(editor)->viewport()->findChild<QLineEdit*>());
            found = CheckFindings(editor);
            driver.PressReturn(QMessageBox::No);
            Click(editor, "Button1");
            QVERIFY(driver.Done() && editor->isVisible());
            for (int k = 2; k < typed.size(); ++k)
                QVERIFY(PopUp(editor, 2, "Delete"));
            driver.Answer(QMessageBox::Ok).When("CampaignFinished", [](QWidget* w) {
                CloseDroppingWork(w);
            });
            Click(editor, "Button5");
            Click(editor, "Button1");
        });
        QCOMPARE(offered,
                 (QStringList{"Island One", "Far Away", "Guide", "Pipe", "Late", "Missing"}));
        // The guide's mission rows follow its intro, from its line 9.
        const int lateLine = late.left(late.indexOf("<$Confg")).count('\n') + 1;
        const QStringList expected = {
            FindingsSummary(folder_),
            "Line 11: Mission 3, \"T3\": Guide.english cannot be read as a mission: it has no "
            "[Header] section, so it is no mission file.",
            "Line 12: Mission 4, \"T4\": Pipe.english cannot be read: it is not a file.",
            "Line 13: Mission 5, \"T5\": LATE.english never marks itself done, so mission 6 would "
            "never open.",
            "Line 14: Mission 6, \"T6\": there is no Missing.english in that folder.",
            QStringLiteral("LATE.english, line %1: the game knows no command <$Confg (did you "
                           "mean <$Config?).")
                .arg(lateLine)};
        QCOMPARE(found, expected);
        QCOMPARE(driver.Seen().mid(7),
                 (QStringList{kQuestion + expected.join("\n\n") + "\n\nSave anyway?",
                              kInformation + kNothingFound, "CampaignFinished"}));
    }

    // "Check" reads the guide as it will be saved, as the game will, and each mission's file: it
    // names a row whose action is no command, what a mission's file holds (under its file's
    // name), and a mission that waits for one further down; "Save" asks about them. A row typed
    // into the intro is a row the game reads: named, and numbered, as the game counts it.
    void theCheckReadsTheGuideAndItsMissionsAsTheGameWill() {
        QTemporaryDir dir;
        const QString path = dir.filePath("GuideSaga.english");
        Write(path, Bytes({"title = \"Saga\"", "[Overview]", "<h2>Saga</h2>", "<p>Intro.",
                           "$Checked=1 Ice,MissionBegin,Ice,{DoneIce},{DoneLake}",
                           "$Checked=2 Lake,MissionBegin,Lake,{DoneLake},1",
                           "$Checked=3 Typo,MisionBegin,Typo,{DoneTypo},1",
                           "$Checked=4 Demo,StartDemo,DEMOFw,{DoneDemo},1",
                           "$Button=Back,Tell,Campaign"}));
        Write(dir.filePath("Ice.english"), MissionFile("Ice"));
        const QByteArray lake =
            MissionFile("Lake").replace("[Header]\r\n", "[Header]\r\nai2Color = cyan\r\n");
        Write(dir.filePath("Lake.english"), lake);
        const QString colour =
            QStringLiteral(
                "Lake.english, line %1: the game ignores the colour \"cyan\" of ai2Color; it knows "
                "none, blue, red, white, green, purple, yellow, lightblue, orange.")
                .arg(lake.left(lake.indexOf("ai2Color")).count('\n') + 1);
        const QString typo =
            "Line 7: the game knows no command MisionBegin (did you mean MissionBegin?).";
        const QStringList found = {
            FindingsSummary(dir.path()),
            "Line 5: Mission 1, \"Ice\": it opens only once mission 2, which comes after it, is "
            "done: the campaign is not played in the order of its missions, and if mission 2 "
            "waits for it, neither ever opens.",
            typo, colour};
        ModalDriver driver;
        InOpenedGuide(driver, path, [&](QWidget* editor) {
            QCOMPARE(CheckFindings(editor), found);
            driver.PressReturn(QMessageBox::No);
            Click(editor, "Button1");
            QVERIFY(driver.Done() && editor->isVisible());
            // Below the mission it waits for, as it will be saved now.
            QVERIFY(PopUp(editor, 0, "MoveDown"));
            QCOMPARE(CheckFindings(editor),
                     (QStringList{FindingsSummary(dir.path()), typo, colour}));
        });
        QCOMPARE(driver.Seen().filter("MessageBox"),
                 QStringList{kQuestion + found.join("\n\n") + "\n\nSave anyway?"});

        Write(folder_ + "/Island1.english", MissionFile("Island One"));
        Write(folder_ + "/Long.english", MissionFile(std::string(16370, 'x')));
        InEditor(driver, [&](QWidget* editor) {
            Add(editor, "Island1", "Island One");
            driver.Answer(QMessageBox::Ok);
            Click(editor, "Button5");
            QCOMPARE(driver.Seen().last(), kInformation + kNothingFound);
            Find<QPlainTextEdit>(editor, "CampaignText")
                ->setPlainText("Play my campaign!\n$Checked=1 Bonus,MissionBegin,Bonus,"
                               "{DoneBonus},1");
            QCOMPARE(CheckFindings(editor),
                     (QStringList{FindingsSummary(folder_),
                                  "Line 8: Mission 1, \"Bonus\": there is no Bonus.english in "
                                  "that folder."}));
            // A mission's title as long as its file's line may be makes a row longer than any
            // line the check reads: it says so, and "Save" asks.
            driver.When("AskTitleBox", [](QWidget* prompt) { Click(prompt, "Button1"); });
            Find<QLineEdit>(editor, "AddTreeItemBox")->setText("Long");
            Click(editor, "Button2");
            QCOMPARE(windows_->Campaign().missions.back().title.size(), std::size_t{16370});
            driver.Answer(QMessageBox::Ok).PressReturn(QMessageBox::No);
            Click(editor, "Button5");
            Click(editor, "Button1");
            QVERIFY(driver.Done() && editor->isVisible());
        });
        const QString cannot = "The check cannot read the guide's file: line 11 is longer than "
                               "16384 characters, far longer than any line of a mission or "
                               "campaign guide file.";
        QCOMPARE(driver.Seen().mid(driver.Seen().size() - 2),
                 (QStringList{kCritical + cannot, kQuestion + cannot + "\n\nSave anyway?"}));
    }

    // A bare name is looked for in the opened guide's folder before the game's; a file that
    // cannot be read offers its name, never the title typed last; Escape in the prompt, or its
    // close control, cancels the "Add" and keeps the name typed.
    void theTitlePromptLooksInTheGuidesFolderFirstAndEscapeCancels() {
        QTemporaryDir dir;
        Write(dir.filePath("GuideSaga.english"), Bytes(kWorkedExample));
        Write(dir.filePath("Island1.english"), MissionFile("Island of the guide"));
        Write(folder_ + "/Island1.english", MissionFile("Island of the game"));
        Write(folder_ + "/Bridge2.english", MissionFile("Bridge of the game"));
        ModalDriver driver;
        InOpenedGuide(driver, dir.filePath("GuideSaga.english"), [&](QWidget* editor) {
            QCOMPARE(AddOffering(editor, "Island1", "I"), QStringLiteral("Island of the guide"));
            QCOMPARE(AddOffering(editor, "Bridge2", "B"), QStringLiteral("Bridge of the game"));
            QCOMPARE(AddOffering(editor, "Nowhere", "N"), QStringLiteral("Nowhere"));
            QCOMPARE(AddOffering(editor, "Bridge2", {}), QStringLiteral("Bridge of the game"));
            QCOMPARE(Find<QLineEdit>(editor, "AddTreeItemBox")->text(), QStringLiteral("Bridge2"));
            QCOMPARE(MissionRows(editor).mid(2),
                     (QStringList{"I|Island1", "B|Bridge2", "N|Nowhere"}));
        });
    }

    // "Check" looks where the game will look and the user chose: the opened guide's folder,
    // else the folder of the missions added by path, else the game's folder; without the game
    // and without paths, nowhere, and it says so.
    void theCheckLooksOnlyWhereTheUserChose() {
        QTemporaryDir chosen;
        Write(chosen.filePath("Far.english"), MissionFile("Far Away"));
        Write(folder_ + "/Near.english", MissionFile("Near"));
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            Add(editor, "Near", "Near");
            driver.Answer(QMessageBox::Ok);
            Click(editor, "Button5");
            Add(editor, chosen.filePath("Far.english"), "Far");
            QCOMPARE(CheckFindings(editor),
                     (QStringList{FindingsSummary(chosen.path()),
                                  "Line 9: Mission 1, \"Near\": there is no Near.english in that "
                                  "folder."}));
        });
        QCOMPARE(driver.Seen().filter("MessageBox"), QStringList{kInformation + kNothingFound});

        // Without the game, the dialogs' folder "D" is one of wherever the program started.
        QTemporaryDir started;
        QVERIFY(QDir(started.path()).mkpath("D"));
        Write(started.filePath("D/Near.english"), MissionFile("Near of another folder"));
        const QString workingFolder = QDir::currentPath();
        QVERIFY(QDir::setCurrent(started.path()));
        const std::string installDir = std::exchange(windows_->StartBox().InstallDir, {});
        InEditor(driver, [&](QWidget* editor) {
            QCOMPARE(AddOffering(editor, "Near", "Near"), QStringLiteral("Near"));
            driver.Answer(QMessageBox::Ok).When("CampaignFinished", [](QWidget* w) {
                CloseDroppingWork(w);
            });
            Click(editor, "Button5");
            Click(editor, "Button1"); // with nothing to look in, and nothing to ask
        });
        windows_->StartBox().InstallDir = installDir;
        QVERIFY(QDir::setCurrent(workingFolder));
        QCOMPARE(driver.Seen().filter("MessageBox").last(),
                 kInformation + "The game's folder is not known, so there is no folder to look "
                                "for the missions in: open the guide from the folder the game "
                                "reads, or add the missions by their paths.");
    }

    // By the pop-up menu and by Alt+Up and Alt+Down on the tree: a moved mission keeps its
    // title, file, the guide line it came from and what its title lost, and stays selected;
    // the opened guide is written in the new order, its conditions following it.
    void missionsMoveByMenuAndKeys() {
        QTemporaryDir dir;
        CampaignSettings guide = WorkedExampleCampaign();
        guide.missions.push_back({"The Fort", "Fort3"});
        std::vector<std::string> lines;
        BuildCampaignLines(guide, lines);
        Write(dir.filePath("GuideMoves.english"), Bytes(lines));
        QTreeWidget* tree = nullptr;
        const auto selected = [&tree] { return tree->currentItem()->text(0); };
        ModalDriver driver;
        driver.When("CampaignBox", [](QWidget* w) { Click(w, "OpenButton"); })
            .ChooseFile("OpenDialog2", dir.filePath("GuideMoves.english"))
            .When("CampaignBox", [&](QWidget* editor) {
                driver_ = &driver;
                tree = Tree(editor);
                QVERIFY(!PopUp(editor, 0, "MoveUp"));
                QVERIFY(!PopUp(editor, 2, "MoveDown"));
                QVERIFY(PopUp(editor, 0, "MoveDown"));
                QCOMPARE(selected(), QStringLiteral("Island One"));
                QCOMPARE(
                    MissionRows(editor),
                    (QStringList{"The Bridge|Bridge2", "Island One|Island1", "The Fort|Fort3"}));
                editor->activateWindow();
                QVERIFY(QTest::qWaitForWindowActive(editor));
                tree->setFocus();
                tree->setCurrentItem(tree->topLevelItem(0)->child(2));
                for (int k = 0; k < 3; ++k) // the third at the top already
                    QTest::keyClick(tree, Qt::Key_Up, Qt::AltModifier);
                QCOMPARE(selected(), QStringLiteral("The Fort"));
                QTest::keyClick(tree, Qt::Key_Down, Qt::AltModifier);
                QCOMPARE(MissionRows(editor), (QStringList{"The Bridge|Bridge2", "The Fort|Fort3",
                                                           "Island One|Island1"}));
                Add(editor, "Omega.english", QString::fromUtf8("Ωmega"));
                QVERIFY(PopUp(editor, 3, "MoveUp"));
                QCOMPARE(selected(), QString::fromUtf8("Ωmega"));
                editor->close();
            });
        Click(&windows_->StartBox(), "Button5");
        QVERIFY(driver.Done());

        const std::vector<LostNotice> lost = windows_->CampaignLost().Notices();
        QCOMPARE(lost.size(), std::size_t(1));
        QCOMPARE(lost[0].where, (FieldRef{TextField::MissionTitle, 2}));
        std::vector<std::string> moved;
        guide.missions = {{"The Bridge", "Bridge2"},
                          {"The Fort", "Fort3"},
                          {"?mega", "Omega"},
                          {"Island One", "Island1"}};
        BuildCampaignLines(guide, moved);
        QCOMPARE(QByteArray::fromStdString(
                     SaveIntoDocument(*windows_->OpenedCampaign(), windows_->Campaign()).Bytes()),
                 Bytes(moved));
    }

    // Every row of the guide's campaign menu is a row of the tree, in the file's order: rows
    // that start no mission show their labels greyed and can be moved and deleted, never
    // renamed, checked or numbered as missions; a mission wrapped in conditions keeps them and
    // says so in its hint, and waits for whichever mission comes before it; a label keeps what
    // follows a number that is not the row's. "Sequential" is ticked only for a guide with
    // missions, each waiting for the one before it.
    void everyRowOfTheGuideIsARowOfTheTree() {
        QTemporaryDir dir;
        const QString path = dir.filePath("GuideVinland.english");
        QVERIFY(QFile::copy(QStringLiteral(VORNASK_TEST_DATA "/GuideVinland.english"), path));
        Write(dir.filePath("MM1a.english"), MissionFile("Islands at War"));
        Write(dir.filePath("vn3.english"), MissionFile("Outpost"));
        const QString headings = dir.filePath("GuideHeadings.english");
        Write(headings, "[Overview]\r\n<h2>Soon</h2>\r\n$Checked=~y~EDemo,DoNothing,0\r\n");
        ModalDriver driver;
        InOpenedGuide(driver, path, [&](QWidget* editor) {
            QCOMPARE(GuideAsSaved(), FileBytes(path));
            QCOMPARE(MissionRows(editor),
                     (QStringList{"~y~EDemo|", "Version.5.8|", "1a Islands at War|MM1a", "Demo|",
                                  "Outpost|vn3", "The Isles|", "|", "Bridge|Bridge4"}));
            QVERIFY(!Find<QCheckBox>(editor, "Sequential")->isChecked());
            QTreeWidgetItem* main = Tree(editor)->topLevelItem(0);
            const QBrush grey = Tree(editor)->palette().brush(QPalette::Disabled, QPalette::Text);
            for (int row = 0; row < main->childCount(); ++row) {
                const bool mission = row == 2 || row == 4 || row == 7;
                QCOMPARE(main->child(row)->foreground(0) == grey, !mission);
                QCOMPARE(main->child(row)->flags().testFlag(Qt::ItemIsEditable), mission);
            }
            QVERIFY(main->child(3)->toolTip(0).endsWith("\n$Checked=2 Demo,StartDemo,DEMOFw,"
                                                        "{DoneDemo},1"));
            QVERIFY(main->child(4)->toolTip(0).endsWith(": <?!{vn_death}><?{DoneMM1a}>"));
            QVERIFY(!PopUp(editor, 0, "Rename"));
            for (auto [row, action] :
                 {std::pair(0, "MoveDown"), {6, "Delete"}, {6, "MoveUp"}, {5, "MoveUp"}})
                QVERIFY(PopUp(editor, row, action));
            // The guide as it will be saved: the rows' lines as moved; the demo is a row the
            // game plays, the broken row is named.
            QCOMPARE(CheckFindings(editor),
                     (QStringList{FindingsSummary(dir.path()),
                                  "Line 13: Mission 2, \"Bridge\": there is no Bridge4.english in "
                                  "that folder.",
                                  "Line 15: the game knows no command RblScen3 (did you mean "
                                  "MissionEnd?)."}));
            Lines expected = SplitLines(FileBytes(path).toStdString());
            std::swap(expected[8], expected[9]);
            expected[13] = "<?!{vn_death}><?{DoneMM1a}> $Checked=3 Outpost,MissionBegin,vn3,"
                           "{vn_donevn3},{vn_donebridge} </?></?>";
            expected[12] = "$Checked=2 Bridge,MissionBegin,Bridge4,{vn_donebridge},1";
            expected[14] = "$Checked=3 The Isles,RblScen3,{DoneRblScen3},3";
            expected.erase(expected.begin() + 15);
            QCOMPARE(GuideAsSaved(), Bytes(expected));
        });
        InOpenedGuide(driver, headings, [&](QWidget* editor) {
            QCOMPARE(MissionRows(editor), QStringList{"~y~EDemo|"});
            QVERIFY(!Find<QCheckBox>(editor, "Sequential")->isChecked());
        });
    }

    // A hand-written guide that plays in sequence under flags of its own stays in sequence
    // when a mission moves: each mission that waits for the one before it waits for its new
    // neighbour, and is renumbered; a condition of its own stays, and "Check" names a
    // mission that waits for one placed after it.
    void movingAMissionKeepsTheChainOfAHandWrittenGuide() {
        QTemporaryDir dir;
        const QString path = dir.filePath("GuideNorth.english");
        // Rows numbered `number`, of mission "vn" + `mission`, waiting for mission `waitsFor`.
        const auto guide = [](std::initializer_list<std::array<int, 3>> rows) {
            const auto flag = [](int k) { return "{vn_donevn" + std::to_string(k) + "}"; };
            Lines lines = {"[Overview]", "<h2>North</h2>"};
            for (auto [number, mission, waitsFor] : rows)
                lines.push_back("$Checked=" + std::to_string(number) + " M" +
                                std::to_string(mission) + ",MissionBegin,vn" +
                                std::to_string(mission) + "," + flag(mission) + "," +
                                (waitsFor ? flag(waitsFor) : "1"));
            return Bytes(lines);
        };
        Write(path, guide({{1, 1, 0}, {2, 2, 1}, {3, 3, 2}, {4, 4, 2}}));
        for (int k = 1; k <= 4; ++k)
            Write(dir.filePath(QStringLiteral("vn%1.english").arg(k)),
                  MissionFile("M").replace("Done{mission.fileName}",
                                           "vn_donevn" + QByteArray::number(k)));
        ModalDriver driver;
        InOpenedGuide(driver, path, [&](QWidget* editor) {
            QVERIFY(PopUp(editor, 2, "MoveUp"));
            QCOMPARE(GuideAsSaved(), guide({{1, 1, 0}, {2, 3, 1}, {3, 2, 3}, {4, 4, 2}}));
            QVERIFY(PopUp(editor, 3, "MoveUp"));
            QVERIFY(PopUp(editor, 2, "MoveUp"));
            QCOMPARE(GuideAsSaved(), guide({{1, 1, 0}, {2, 4, 2}, {3, 3, 4}, {4, 2, 3}}));
            QCOMPARE(CheckFindings(editor),
                     (QStringList{FindingsSummary(dir.path()),
                                  "Line 4: Mission 2, \"M4\": it opens only once mission 4, which "
                                  "comes after it, is done: the campaign is not played in the "
                                  "order of its missions, and if mission 4 waits for it, neither "
                                  "ever opens."}));
        });
    }

    // Adding, deleting, renaming and moving can each be undone with Ctrl+Z and done again with
    // Ctrl+Shift+Z: from the tree, from the box a mission was just added from, and from the
    // tree's pop-up menu. A text box keeps undoing its own typing.
    void everyEditOfTheTreeCanBeUndoneAndRedone() {
        const QString omega = QString::fromUtf8("Ωmega|Omega");
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            QTreeWidget* tree = Tree(editor);
            auto* box = Find<QLineEdit>(editor, "AddTreeItemBox");
            driver.When("AskTitleBox", [](QWidget* prompt) {
                Find<QLineEdit>(prompt, "MapTitleBox")->setText(QString::fromUtf8("Ωmega"));
                Click(prompt, "Button1");
            });
            Activate(editor);
            box->setFocus();
            // Chosen from a folder whose name the game cannot write: the name alone goes into
            // the guide, and only the title loses a character.
            box->insert(QString::fromUtf8("Ω/Omega.english"));
            Press(editor, Qt::Key_Return);
            Activate(editor);
            Press(editor, Qt::Key_Z, Qt::ControlModifier);
            QVERIFY(MissionRows(editor).isEmpty() && windows_->CampaignLost().empty());
            Press(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            QCOMPARE(MissionRows(editor), QStringList{omega});
            QCOMPARE(windows_->CampaignLost().Notices().size(), std::size_t(1));

            Add(editor, "B.english", "Bravo");
            Add(editor, "C.english", "Charlie");
            Activate(editor);
            tree->setFocus();
            tree->setCurrentItem(tree->topLevelItem(0)->child(1));
            Press(editor, Qt::Key_Delete);
            QVERIFY(PopUp(editor, 1, "Rename"));
            tree->viewport()->findChild<QLineEdit*>()->setText("Chuck");
            QTest::keyClick(tree->viewport()->findChild<QLineEdit*>(), Qt::Key_Return);
            Activate(editor);
            tree->setFocus();
            Press(editor, Qt::Key_Up, Qt::AltModifier);
            QCOMPARE(MissionRows(editor), (QStringList{"Chuck|C", omega}));
            for (const QStringList& rows :
                 {QStringList{omega, "Chuck|C"}, QStringList{omega, "Charlie|C"},
                  QStringList{omega, "Bravo|B", "Charlie|C"}}) {
                Press(editor, Qt::Key_Z, Qt::ControlModifier);
                QCOMPARE(MissionRows(editor), rows);
            }
            QCOMPARE(windows_->CampaignLost().Notices().size(), std::size_t(1));
            QVERIFY(PopUp(editor, 0, "Redo"));
            QCOMPARE(MissionRows(editor), (QStringList{omega, "Charlie|C"}));
            QVERIFY(PopUp(editor, 0, "Undo"));
            QCOMPARE(windows_->Campaign().missions[1].name, std::string("B"));

            auto* title = Find<QLineEdit>(editor, "TitleBox");
            title->setFocus();
            QTest::keyClicks(title, "!");
            Press(editor, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(title->text(), QStringLiteral("My Campaign"));
            QCOMPARE(MissionRows(editor).size(), 3);
        });
    }

    // Closed by the user (its close control, Alt+F4) while it holds work not saved, the editor
    // asks "Close without saving?", No the default, and No keeps it open; holding nothing
    // unsaved, also after every change was undone, it closes without a question.
    void closingWorkNotSavedAsksFirst() {
        const QStringList question = {kQuestion + "Close without saving?"};
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            QCOMPARE(SeenOnClosing(editor), QStringList{});
            QVERIFY(!editor->isVisible());
        });
        InEditor(driver, [&](QWidget* editor) {
            Add(editor, "A.english", "Alpha");
            QCOMPARE(SeenOnClosing(editor, true), question);
            QVERIFY(editor->isVisible());
            QVERIFY(PopUp(editor, 0, "Undo"));
            QCOMPARE(SeenOnClosing(editor), QStringList{});
        });
        InEditor(driver, [&](QWidget* editor) {
            Find<QLineEdit>(editor, "CampaignHeader")->setText("Changed");
            QCOMPARE(SeenOnClosing(editor), question);
            QVERIFY(!editor->isVisible());
        });
        // "Open" over work not saved, which the guide would replace with its undo history.
        const QString path = folder_ + "/Other.english";
        Write(path, "title = \"Other\"\r\n[Overview]\r\n<h2>O</h2>\r\n<p>Hi\r\n");
        InEditor(driver, [&](QWidget* editor) {
            auto* header = Find<QLineEdit>(editor, "CampaignHeader");
            header->setText("Changed");
            driver.ChooseFile("OpenDialog2", path).PressReturn(QMessageBox::No);
            Click(editor, "OpenButton");
            QCOMPARE(header->text(), QStringLiteral("Changed"));
            driver.ChooseFile("OpenDialog2", path).Answer(QMessageBox::Yes);
            Click(editor, "OpenButton");
            QCOMPARE(header->text(), QStringLiteral("O"));
        });
        QCOMPARE(driver.Seen().filter("MessageBox"), question + question);
        // The source window after the editor holds the campaign not yet saved.
        QWidget* source = ToTheSourceWindow(driver, [](QWidget* editor) {
            Find<QLineEdit>(editor, "CampaignHeader")->setText("Changed");
        });
        QCOMPARE(SeenOnClosing(source, true), question);
        QVERIFY(source->isVisible());
        QCOMPARE(SeenOnClosing(&windows_->StartBox(), true), question); // "Quit"
        QVERIFY(windows_->StartBox().isVisible());
        QCOMPARE(SeenOnClosing(source), question);
        QVERIFY(!source->isVisible());
        SetCheck(TopLevel("CampaignFinished"), "ViewSource", false);
    }

    // "Browse", a name typed in the file dialog and Return pressed while its completion list
    // shows: the list goes with the dialog, and the keys work in the editor at once.
    void keysWorkAtOnceAfterBrowse() {
        Write(folder_ + "/MM1a.english", MissionFile("Islands at War"));
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            driver.When("OpenDialog1", [](QWidget* dialog) {
                auto* name = Find<QLineEdit>(dialog, "fileNameEdit");
                name->clear();
                QTest::keyClicks(name, "MM1a.englis");
                QTRY_VERIFY(name->completer()->popup()->isVisible());
                QTest::keyClicks(name->completer()->popup(), "h");
                Press(name->completer()->popup(), Qt::Key_Return);
                if (dialog->isVisible())
                    Press(dialog, Qt::Key_Return);
            });
            Click(editor, "Button3");
            QVERIFY(driver.Done());
            auto* box = Find<QLineEdit>(editor, "AddTreeItemBox");
            QCOMPARE(box->text(), QDir::toNativeSeparators(folder_ + "/MM1a.english"));
            Activate(editor);
            box->setFocus();
            Press(editor, Qt::Key_End);
            Press(editor, Qt::Key_Backspace);
            QVERIFY(box->text().endsWith("englis"));
            Press(editor, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), Find<QPushButton>(editor, "Button3"));
            QCOMPARE(QApplication::activePopupWidget(), nullptr);
        });
    }

    // A guide of 5,000 missions opens and shows at once: the tree takes its rows in one go.
    void aGuideOfFiveThousandMissionsOpensAtOnce() {
        Lines lines = {"[Overview]", "<h2>Long</h2>"};
        for (int k = 1; k <= 5000; ++k)
            lines.push_back("$Checked=" + std::to_string(k) + " M,MissionBegin,M,{DoneM},1");
        QTemporaryDir dir;
        Write(dir.filePath("GuideLarge.english"), Bytes(lines));
        QElapsedTimer timer;
        ModalDriver driver;
        driver.When("CampaignBox", [&](QWidget* editor) {
            QVERIFY(!editor->grab().isNull() &&
                    Tree(editor)->topLevelItem(0)->childCount() == 5000);
            qInfo("a guide of 5,000 missions opened and shown in %lld ms", timer.elapsed());
            QVERIFY(timer.elapsed() < 2000); // 5 s before
            editor->close();
        });
        timer.start();
        windows_->OpenFile(dir.filePath("GuideLarge.english"));
        QVERIFY(driver.Done());
    }

    // A mission saved from the editor's "New Mission" is offered to the campaign, Yes the
    // default, and added as "Add" would with the saved file's title; a wizard left unsaved
    // asks nothing, also after an earlier one was saved.
    void aMissionSavedFromNewMissionJoinsTheCampaign() {
        const QString path = folder_ + "/Fresh.english";
        QString offered;
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            driver.When("FirstBox", [](QWidget* w) { Click(w, "Button1"); })
                .When("SecondBox",
                      [](QWidget* w) {
                          Find<QLineEdit>(w, "TitleBox")->setText("Fresh Map");
                          Click(w, "Button1");
                      })
                .When("ThirdBox", [](QWidget* w) { Click(w, "Button1"); })
                .When("FourthBox", [](QWidget* w) { Click(w, "Button2"); })
                .When("FifthBox", [](QWidget* w) { Click(w, "Button1"); })
                .When("SixthBox", [](QWidget* w) { Click(w, "Button1"); })
                .ChooseFile("SaveDialog1", folder_ + "/Fresh");
            driver.PressReturn(QMessageBox::Yes).When("AskTitleBox", [&offered](QWidget* prompt) {
                offered = Find<QLineEdit>(prompt, "MapTitleBox")->text();
                Click(prompt, "Button1");
            });
            Click(editor, "Button4");
            QVERIFY(driver.Done());
            QCOMPARE(MissionRows(editor), QStringList{"Fresh Map|Fresh"});

            driver.When("FirstBox", [](QWidget* welcome) { welcome->close(); });
            Click(editor, "Button4");
            QCOMPARE(MissionRows(editor), QStringList{"Fresh Map|Fresh"});
        });
        QCOMPARE(offered, QStringLiteral("Fresh Map"));
        QCOMPARE(
            driver.Seen().filter("MessageBox"),
            QStringList{kQuestion + "Add " + QDir::toNativeSeparators(path) + " to the campaign?"});
        QCOMPARE(driver.Seen().last(), QStringLiteral("FirstBox"));
    }

    void addingTakesTheTitleFromThePromptAndTheNameFromThePath() {
        ModalDriver driver;
        QString offered;
        InEditor(driver, [&](QWidget* editor) {
            Add(editor, "C:\\a\\b\\Map7.english", "Seventh");
            QCOMPARE(Find<QLineEdit>(editor, "AddTreeItemBox")->text(), QString());
            // A file that cannot be read offers its name, not the title typed last; a Linux path
            // loses its folder too.
            driver.When("AskTitleBox", [&](QWidget* prompt) {
                offered = Find<QLineEdit>(prompt, "MapTitleBox")->text();
                Click(prompt, "Button1");
            });
            Find<QLineEdit>(editor, "AddTreeItemBox")->setText("/home/me/.wine/D/Map8.english");
            Click(editor, "Button2");

            QCOMPARE(MissionCaptions(editor), (QStringList{"Seventh", "Map8"}));
            const auto& missions = windows_->Campaign().missions;
            QCOMPARE(missions.size(), std::size_t(2));
            QCOMPARE(missions[0].name, std::string("Map7"));
            QCOMPARE(missions[1].name, std::string("Map8"));
            QCOMPARE(missions[1].title, std::string("Map8"));

            // The title renames the main node as it is typed; the header stays.
            Find<QLineEdit>(editor, "TitleBox")->setText("Saga");
            QCOMPARE(Tree(editor)->topLevelItem(0)->text(0), QStringLiteral("Saga"));
            QCOMPARE(Find<QLineEdit>(editor, "CampaignHeader")->text(),
                     QStringLiteral("My Campaign"));
        });
        QCOMPARE(offered, QStringLiteral("Map8"));
    }

    void browseFillsTheFileNameAndNewMissionLeavesTheCampaignAlone() {
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            Add(editor, "A.english", "Alpha");
            auto* fileName = Find<QLineEdit>(editor, "AddTreeItemBox");
            driver.ChooseFile("OpenDialog1", "/nowhere/D/Map9.english");
            Click(editor, "Button3");
            QCOMPARE(fileName->text(), QDir::toNativeSeparators("/nowhere/D/Map9.english"));
            driver.CancelFile("OpenDialog1");
            Click(editor, "Button3");
            QCOMPARE(fileName->text(), QDir::toNativeSeparators("/nowhere/D/Map9.english"));

            driver.When("FirstBox", [](QWidget* welcome) { welcome->close(); });
            Click(editor, "Button4");
            QVERIFY(editor->isVisible());
            QCOMPARE(MissionCaptions(editor), QStringList{"Alpha"});
            QCOMPARE(fileName->text(), QDir::toNativeSeparators("/nowhere/D/Map9.english"));
        });
        QCOMPARE(driver.Seen(), (QStringList{"CampaignBox", "AskTitleBox", "OpenDialog1",
                                             "OpenDialog1", "FirstBox"}));
    }

    // Each dialog offers its one filter: Qt reads the pattern from the last parentheses, and
    // the campaign's description names "guide" while its pattern is "Guide".
    void fileDialogsOfferTheirFilters() {
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            auto* open = Find<QFileDialog>(editor, "OpenDialog1");
            QCOMPARE(open->nameFilters(), QStringList{"Mission Files (*.english)"});
            QCOMPARE(Find<QComboBox>(open, "fileTypeCombo")->itemText(0),
                     QStringLiteral("Mission Files (*.english)"));
            driver.When("CampaignFinished", [](QWidget* finished) {
                auto* save = Find<QFileDialog>(finished, "SaveDialog1");
                QCOMPARE(save->nameFilters().size(), 1);
                QVERIFY(save->nameFilters().constFirst().endsWith("(Guide*.english)"));
                QCOMPARE(Find<QComboBox>(save, "fileTypeCombo")->itemText(0),
                         QStringLiteral("Campaign Files (guide*.english)"));
                finished->close();
            });
            Click(editor, "Button1");
        });
    }

    void anEmptyFileNameIsRefusedWithoutAskingForATitle() {
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            driver.Answer(QMessageBox::Ok);
            Click(editor, "Button2");
            QVERIFY(MissionCaptions(editor).isEmpty());
        });
        QCOMPARE(driver.Seen(),
                 (QStringList{"CampaignBox",
                              kInformation + "Please enter a filename or browse for a file."}));
    }

    // A mission added below the bottom of the tree is scrolled into view; Delete on the tree
    // removes the selected mission as the pop-up's "Delete" does, and nothing else.
    void theTreeShowsANewMissionAndDeleteRemovesTheSelectedOne() {
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            QTreeWidget* tree = Tree(editor);
            for (int k = 1; k <= 30; ++k) {
                Add(editor, QStringLiteral("Map%1.english").arg(k), QStringLiteral("T%1").arg(k));
                QTreeWidgetItem* added = tree->topLevelItem(0)->child(k - 1);
                QVERIFY2(tree->viewport()->rect().contains(tree->visualItemRect(added)),
                         qPrintable(added->text(0)));
            }
            editor->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(editor));
            tree->setFocus();
            QTRY_VERIFY(tree->hasFocus());
            tree->setCurrentItem(tree->topLevelItem(0));
            QTest::keyClick(tree, Qt::Key_Delete); // the main node stays
            tree->setCurrentItem(tree->topLevelItem(0)->child(1));
            QTest::keyClick(tree, Qt::Key_Delete);
            QCOMPARE(MissionCaptions(editor).size(), 29);
            QCOMPARE(MissionCaptions(editor).mid(0, 2), (QStringList{"T1", "T3"}));
        });
        const auto& missions = windows_->Campaign().missions;
        QCOMPARE(missions.size(), std::size_t(29));
        QCOMPARE(missions[1].name, std::string("Map3"));
    }

    void eightyMissionsAtMostUntilOneIsDeleted() {
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            for (int k = 1; k <= 80; ++k)
                Add(editor, QStringLiteral("Map%1.english").arg(k), QStringLiteral("T%1").arg(k));
            driver.When("AskTitleBox", [](QWidget* prompt) { Click(prompt, "Button1"); })
                .Answer(QMessageBox::Ok);
            Find<QLineEdit>(editor, "AddTreeItemBox")->setText("Map81.english");
            Click(editor, "Button2");
            QVERIFY(driver.Done());
            QCOMPARE(driver.Seen().last(),
                     kWarning + "Woah! Too many missions! What the hell are you doing?");
            QCOMPARE(MissionCaptions(editor).size(), 80);
            QCOMPARE(Find<QLineEdit>(editor, "AddTreeItemBox")->text(),
                     QStringLiteral("Map81.english"));

            QVERIFY(PopUp(editor, 0, "Delete"));
            Add(editor, "Map81.english", "T81");
        });
        const auto& missions = windows_->Campaign().missions;
        QCOMPARE(missions.size(), std::size_t(80));
        QCOMPARE(missions.front().name, std::string("Map2"));
        QCOMPARE(missions.back().name, std::string("Map81"));
        QCOMPARE(missions.back().title, std::string("T81"));
    }

    void deletesAndRenamesKeepTitlesAndNamesPaired() {
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            Add(editor, "A.english", "Alpha");
            Add(editor, "B.english", "Bravo");
            Add(editor, "C.english", "Charlie");
            QVERIFY(PopUp(editor, 2, "Delete"));
            Add(editor, "D.english", "Delta");

            QVERIFY(PopUp(editor, 1, "Rename"));
            auto* inPlace = Tree(editor)->viewport()->findChild<QLineEdit*>();
            QVERIFY(inPlace);
            inPlace->setText("Bridge");
            QTest::keyClick(inPlace, Qt::Key_Return);

            QVERIFY(PopUp(editor, 0, "Delete"));
            QCOMPARE(MissionCaptions(editor), (QStringList{"Bridge", "Delta"}));
        });
        const auto& missions = windows_->Campaign().missions;
        QCOMPARE(missions.size(), std::size_t(2));
        QCOMPARE(missions[0].title + "/" + missions[0].name, std::string("Bridge/B"));
        QCOMPARE(missions[1].title + "/" + missions[1].name, std::string("Delta/D"));
    }

    void popUpItemsOnlyForAMission() {
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            Add(editor, "A.english", "Alpha");
            QVERIFY(!PopUp(editor, -1, "Delete"));
            QVERIFY(!Find<QAction>(editor, "Rename")->isEnabled());
            QCOMPARE(MissionCaptions(editor), QStringList{"Alpha"});
            QVERIFY(PopUp(editor, 0, "Rename"));
        });
    }

    void aSecondOpeningStartsANewCampaignButKeepsSequential() {
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            Add(editor, "A.english", "Alpha");
            Find<QLineEdit>(editor, "TitleBox")->setText("Old");
            Find<QLineEdit>(editor, "CampaignHeader")->setText("Old header");
            Find<QPlainTextEdit>(editor, "CampaignText")->setPlainText("Old text");
            Find<QLineEdit>(editor, "AddTreeItemBox")->setText("left over");
            SetCheck(editor, "Sequential", false);
        });
        InEditor(driver, [&](QWidget* editor) {
            QVERIFY(MissionCaptions(editor).isEmpty());
            QCOMPARE(Tree(editor)->topLevelItem(0)->text(0), QStringLiteral("My Campaign"));
            QCOMPARE(Find<QLineEdit>(editor, "TitleBox")->text(), QStringLiteral("My Campaign"));
            QCOMPARE(Find<QLineEdit>(editor, "CampaignHeader")->text(),
                     QStringLiteral("My Campaign"));
            QCOMPARE(Find<QPlainTextEdit>(editor, "CampaignText")->toPlainText(),
                     QStringLiteral("Play my campaign!"));
            QCOMPARE(Find<QLineEdit>(editor, "AddTreeItemBox")->text(), QString());
            QVERIFY(!Find<QCheckBox>(editor, "Sequential")->isChecked());
            SetCheck(editor, "Sequential", true);
        });
        const CampaignSettings& settings = windows_->Campaign();
        QCOMPARE(settings.title, std::string("My Campaign"));
        QCOMPARE(settings.CampaignText, std::vector<std::string>{"Play my campaign!"});
        QVERIFY(settings.missions.empty());
        QVERIFY(settings.Sequential);
    }
    // Every line list a memo is filled with comes back from it, blank lines at its end too; and
    // typing in the intro of a guide that ends in blank lines keeps them in the file.
    void theIntroKeepsTheBlankLinesItEndsIn() {
        using Lines = std::vector<std::string>;
        QPlainTextEdit memo;
        const Lines cases[] = {{},        {"a"},        {"a", ""},      {"", ""},
                               {"", "a"}, {"", "", ""}, {"a", "", "b"}, {"a", "", ""}};
        for (const Lines& lines : cases) {
            SetMemoLines(memo, lines);
            QCOMPARE(MemoLines(memo), lines);
        }
        // One empty line alone shows as an empty memo does, and reads back as no lines.
        SetMemoLines(memo, {""});
        QCOMPARE(MemoLines(memo), Lines{});

        QTemporaryDir dir;
        const QString path = dir.filePath("GuideBlank.english");
        CampaignSettings opened = WorkedExampleCampaign();
        opened.CampaignText = {"Hi", "", ""};
        Lines lines;
        BuildCampaignLines(opened, lines);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(Bytes(lines)) > 0);
        file.close();
        ModalDriver driver;
        driver.When("CampaignBox", [](QWidget* w) { Click(w, "OpenButton"); })
            .ChooseFile("OpenDialog2", path)
            .When("CampaignBox", [](QWidget* w) {
                QTest::keyClicks(Find<QPlainTextEdit>(w, "CampaignText"), "Oh, ");
                w->close();
            });
        Click(&windows_->StartBox(), "Button5");
        QVERIFY(driver.Done());
        // The blank lines below the intro are the file's own, kept where they stand.
        QCOMPARE(windows_->Campaign().CampaignText, (Lines{"Oh, Hi"}));
        QByteArray expected = Bytes(lines);
        expected.replace("\r\nHi\r\n", "\r\nOh, Hi\r\n");
        QCOMPARE(QByteArray::fromStdString(
                     SaveIntoDocument(*windows_->OpenedCampaign(), windows_->Campaign()).Bytes()),
                 expected);
    }

    // An intro line that would start a section gets a space in front before "Save" goes on
    // (Yes, the default); No keeps the editor open with that line selected.
    void introLinesThatWouldStartASectionGetASpace() {
        using Lines = std::vector<std::string>;
        const QString question = QStringLiteral(
            "[Chapter One] starts with \"[\", so the game would read it as the start of a new "
            "section. Put a space in front of it?");
        for (const auto answer : {QMessageBox::No, QMessageBox::Yes}) {
            ModalDriver driver;
            InEditor(driver, [&](QWidget* editor) {
                auto* intro = Find<QPlainTextEdit>(editor, "CampaignText");
                intro->setPlainText("[Chapter One]\nWelcome");
                driver.OnMessageBox([&](QMessageBox* box) {
                    const bool asked = box->text() == question &&
                                       box->defaultButton() == box->button(QMessageBox::Yes);
                    box->button(answer)->click();
                    QVERIFY(asked);
                });
                if (answer == QMessageBox::Yes)
                    driver.When("CampaignFinished", [](QWidget* w) { CloseDroppingWork(w); });
                Click(editor, "Button1");
                if (answer == QMessageBox::No) {
                    QVERIFY(editor->isVisible());
                    QCOMPARE(intro->textCursor().selectedText(), QStringLiteral("[Chapter One]"));
                    QCOMPARE(windows_->Campaign().CampaignText,
                             (Lines{"[Chapter One]", "Welcome"}));
                }
            });
            QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        }
        QCOMPARE(windows_->Campaign().CampaignText, (Lines{" [Chapter One]", "Welcome"}));
        // An opened intro whose first line follows "<p>" on its line is read by the game as
        // text: saved unchanged, nothing is asked.
        const QString path = folder_ + "/Chapters.english";
        const QByteArray guide = "title = \"G\"\r\n[Overview]\r\n<h2>G</h2>\r\n"
                                 "<p>[Chapter One]\r\nWelcome\r\n\r\n"
                                 "$Checked=1 A,MissionBegin,a,{Donea},1\r\n";
        Write(path, guide);
        ModalDriver driver;
        InOpenedGuide(driver, path, [&](QWidget* editor) {
            QCOMPARE(Find<QPlainTextEdit>(editor, "CampaignText")->toPlainText(),
                     QStringLiteral("[Chapter One]\nWelcome"));
            // The one question is "Save anyway?": the mission's file is nowhere. One about "["
            // would be answered "No", which keeps the editor.
            driver
                .OnMessageBox([](QMessageBox* box) {
                    const bool aboutSections = box->text().contains("starts with \"[\"");
                    box->button(aboutSections ? QMessageBox::No : QMessageBox::Yes)->click();
                    QVERIFY2(!aboutSections, qPrintable(box->text()));
                })
                .When("CampaignFinished", [](QWidget* w) { CloseDroppingWork(w); });
            Click(editor, "Button1");
        });
        QCOMPARE(GuideAsSaved(), guide);
    }

    void savingWithTheDuplicateFromNewCampaignToBothFiles() {
        QTemporaryDir dir;
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            AddWorkedExampleMissions(editor);
            // Their files are not in the game's folder.
            driver.Answer(QMessageBox::Yes)
                .When("CampaignFinished",
                      [](QWidget* finished) {
                          QVERIFY(!TopLevel("CampaignBox")->isVisible());
                          QVERIFY(Find<QCheckBox>(finished, "Duplicate")->isChecked());
                          QVERIFY(!Find<QCheckBox>(finished, "ViewSource")->isChecked());
                          Click(finished, "Button1");
                      })
                .ChooseFile("SaveDialog1", dir.filePath("Guide7"));
            Click(editor, "Button1");
        });
        QVERIFY(!TopLevel("CampaignFinished")->isVisible());
        QCOMPARE(FileBytes(dir.filePath("Guide7.english")), Bytes(kWorkedExample));
        QCOMPARE(FileBytes(dir.filePath("Guide7.german")), Bytes(kWorkedExample));
        // The start window names the file saved.
        QCOMPARE(Find<QLabel>(&windows_->StartBox(), "SavedLabel")->text(),
                 "Saved " + QDir::toNativeSeparators(dir.filePath("Guide7.english")));
    }

    void savingWithoutTheDuplicateTakesAnyNameAndTheChoiceHolds() {
        QTemporaryDir dir;
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            driver
                .When("CampaignFinished",
                      [](QWidget* finished) {
                          SetCheck(finished, "Duplicate", false);
                          Click(finished, "Button1");
                      })
                .ChooseFile("SaveDialog1", dir.filePath("Guide7.txt"));
            Click(editor, "Button1");
        });
        QCOMPARE(FileBytes(dir.filePath("Guide7.txt")),
                 Bytes({"title = \"My Campaign\"", "", "[Overview]", "<background=\"nsstart\">",
                        "<h2>My Campaign</h2>", "<p>", "Play my campaign!", "", "",
                        "$Button=Back,Tell,Campaign"}));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Guide7.txt"});

        // Closing the finish window unsaved also ends the campaign; the choice was kept.
        InEditor(driver, [&](QWidget* editor) {
            driver.When("CampaignFinished", [](QWidget* finished) {
                QVERIFY(!Find<QCheckBox>(finished, "Duplicate")->isChecked());
                SetCheck(finished, "Duplicate", true);
                finished->close();
            });
            Click(editor, "Button1");
        });
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 1);
        // With work in it, only after "Yes" to the question; "No", the default, keeps it.
        bool keptOpen = false;
        InEditor(driver, [&](QWidget* editor) {
            Find<QLineEdit>(editor, "TitleBox")->setText("Typed");
            driver.CloseNoThenYes("CampaignFinished", keptOpen);
            Click(editor, "Button1");
        });
        QVERIFY(keptOpen);
        QCOMPARE(driver.Seen().filter("MessageBox").last(), kQuestion + "Close without saving?");
        QVERIFY(!TopLevel("CampaignBox")->isVisible());
    }

    // Return neither replaces the guide nor gives up saving: "No" is the default answer.
    void questionsDefaultToNo() {
        QTemporaryDir dir;
        QFile old(dir.filePath("Guide7.english"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.close();
        ModalDriver driver;
        InEditor(driver, [&](QWidget* editor) {
            driver.When("CampaignFinished", [](QWidget* finished) { Click(finished, "Button1"); })
                .ChooseFile("SaveDialog1", dir.filePath("Guide7"))
                .PressReturn(QMessageBox::No)
                .CancelFile("SaveDialog1")
                .PressReturn(QMessageBox::No)
                .CancelFile("SaveDialog1")
                .Answer(QMessageBox::Yes);
            Click(editor, "Button1");
        });
        QCOMPARE(driver.Seen().mid(3, 3),
                 QStringList({kQuestion + "Overwrite " + dir.filePath("Guide7.english") + "?",
                              "SaveDialog1", kQuestion + "Sure you don't want to save?"}));
        QCOMPARE(FileBytes(dir.filePath("Guide7.english")), QByteArray());
    }

    // Saved from the source window with a folder where the copy should go: the guide is
    // saved, the user is told about the copy, and the window closes as after any save.
    void aCopyThatCannotFollowIsReportedAndTheSourceWindowCloses() {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("Guide2.german"));
        ModalDriver driver;
        QWidget* source = ToTheSourceWindow(driver, [](QWidget*) {});
        QVERIFY(source->isVisible());
        driver.ChooseFile("SaveDialog1", dir.filePath("Guide2")).Answer(QMessageBox::Ok);
        Click(source, "Button1");
        QVERIFY(driver.Done());
        QCOMPARE(driver.Seen().last(),
                 kWarning + "The campaign was saved, but its German copy could not be written: " +
                     dir.filePath("Guide2.german") + ": " + std::strerror(EISDIR));
        QVERIFY(!source->isVisible());
        QVERIFY(FileBytes(dir.filePath("Guide2.english")).startsWith("title = \"My Campaign\""));
        SetCheck(TopLevel("CampaignFinished"), "ViewSource", false);
    }

    void throughTheSourceWindowWithAnEditedLine() {
        QTemporaryDir dir;
        ModalDriver driver;
        QWidget* source = ToTheSourceWindow(driver, [&](QWidget* editor) {
            AddWorkedExampleMissions(editor);
            driver.Answer(QMessageBox::Yes); // "Save anyway?": their files are not there
        });
        QVERIFY(source->isVisible());
        QVERIFY(!TopLevel("CampaignFinished")->isVisible());
        auto* sourceBox = Find<QPlainTextEdit>(source, "SourceBox");
        QCOMPARE(
            sourceBox->toPlainText(),
            QString::fromStdString(JoinLinesCrLf(kWorkedExample)).replace("\r\n", "\n").chopped(1));

        std::vector<std::string> edited = kWorkedExample;
        edited[6] = "Play it again!";
        sourceBox->setPlainText(
            sourceBox->toPlainText().replace("Play my campaign!", "Play it again!"));
        // Going to the start window and back keeps the edit.
        windows_->StartBox().activateWindow();
        QTRY_VERIFY(windows_->StartBox().isActiveWindow());
        source->activateWindow();
        QTRY_VERIFY(source->isActiveWindow());
        QVERIFY(sourceBox->toPlainText().contains("Play it again!"));

        // A write that fails and is then given up on leaves the window open with its text.
        driver.ChooseFile("SaveDialog1", dir.filePath("missing/Guide1.english"))
            .Answer(QMessageBox::Ok)
            .CancelFile("SaveDialog1")
            .Answer(QMessageBox::Yes);
        Click(source, "Button1");
        QVERIFY(driver.Done());
        QVERIFY(driver.Seen()
                    .at(driver.Seen().size() - 3)
                    .startsWith(kCritical + "Cannot create file"));
        QCOMPARE(driver.Seen().last(), kQuestion + "Sure you don't want to save?");
        QVERIFY(source->isVisible());

        driver.ChooseFile("SaveDialog1", dir.filePath("Guide1"));
        Click(source, "Button1");
        QVERIFY(driver.Done());
        QVERIFY(!source->isVisible());
        QCOMPARE(FileBytes(dir.filePath("Guide1.english")), Bytes(edited));
        QCOMPARE(FileBytes(dir.filePath("Guide1.german")), Bytes(edited));
        // Saved after the editor had closed, and named then.
        QCOMPARE(Find<QLabel>(&windows_->StartBox(), "SavedLabel")->text(),
                 "Saved " + QDir::toNativeSeparators(dir.filePath("Guide1.english")));
        SetCheck(TopLevel("CampaignFinished"), "ViewSource", false);
    }
};

QTEST_MAIN(CampaignTest)
#include "test_campaign.moc"
