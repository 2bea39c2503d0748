// The finish page, the mission source view and their save dialog, driven as a user would.
#include "ModalDriver.h"
#include "core/mission/MissionReader.h"
#include "core/mission/MissionWriter.h"
#include "core/text/FileText.h"
#include "core/text/TextLines.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"
#include "ui/platform/DialogSaveUser.h"
#include "ui/platform/FileDialogs.h"
#include "ui/wizard/FifthBox.h"
#include "ui/wizard/SixthBox.h"
#include "ui/wizard/ViewSourceBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>

using namespace vornask;
using namespace vornask::test;

namespace {

template <typename T> T* Child(QWidget* window, const char* name) {
    auto* child = window->findChild<T*>(QLatin1String(name));
    if (!child)
        qWarning("no control %s in %s", name, qPrintable(window->objectName()));
    return child;
}

bool Ticked(QWidget* page, const char* name) {
    return Child<QCheckBox>(page, name)->isChecked();
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The control that Tab moves to from `widget`.
QWidget* NextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

QString FileNameShown(QWidget* dialog) {
    return Child<QLineEdit>(dialog, "fileNameEdit")->text();
}

} // namespace

class FinishPageTest : public QObject {
    Q_OBJECT
    std::unique_ptr<AppWindows> windows_;
    std::unique_ptr<QTemporaryDir> temp_;
    QString folder_; // where the save dialog starts

    QWidget* Page() { return &windows_->SixthBox(); }

    // The lines the writer gives for the current settings with these finish options.
    QByteArray Expected(bool nextMission, const std::string& name) {
        MissionSettings settings = windows_->Mission();
        settings.finish.NextMissionCheck = nextMission;
        settings.finish.MissionName = name;
        MissionLines lines;
        BuildMissionLines(settings, lines);
        return QByteArray::fromStdString(JoinLinesCrLf(lines));
    }

private slots:
    void init() {
        windows_ = std::make_unique<AppWindows>();
        temp_ = std::make_unique<QTemporaryDir>();
        QVERIFY(temp_->isValid());
        windows_->StartBox().InstallDir = (temp_->path() + "/NetStorm").toStdString();
        folder_ = windows_->DialogFolder();
        QVERIFY(QDir().mkpath(folder_));
        windows_->Mission().general.title = "Saved Map";
    }

    // Start-up builds no file dialog; each is made once, when its window is activated (which
    // gives it its folder), and kept.
    void fileDialogsAreMadeWhenFirstNeeded() {
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(window->findChildren<QFileDialog*>().isEmpty(),
                     qPrintable(window->objectName()));

        QWidget owner;
        int made = 0;
        KeptFileDialog kept(&owner, [&made](QFileDialog&) { ++made; });
        QTemporaryDir first;
        QTemporaryDir second;
        kept.setDirectory(first.path());
        QCOMPARE(made, 1);
        QFileDialog& dialog = kept.get();
        QCOMPARE(dialog.parent(), &owner);
        QCOMPARE(QDir(dialog.directory()), QDir(first.path()));
        kept.setDirectory(second.path());
        QCOMPARE(&kept.get(), &dialog);
        QCOMPARE(made, 1);
        QCOMPARE(QDir(dialog.directory()), QDir(second.path()));
    }

    void controlsAndSaveDialog() {
        QWidget* page = Page();
        QCOMPARE(Child<QLabel>(page, "Label1")->text(), QStringLiteral("Congratulations!"));
        QCOMPARE(Child<QCheckBox>(page, "DuplicateCheck")->text(),
                 QStringLiteral("Make a duplicate german file."));
        QCOMPARE(Child<QCheckBox>(page, "EditSourceCheck")->text(),
                 QStringLiteral("View/edit the source before saving."));
        QCOMPARE(Child<QCheckBox>(page, "NextMissionCheck")->text(),
                 QStringLiteral("Have a 'Next Mission' button (for campaigns)"));
        QCOMPARE(Child<QLabel>(page, "Label3")->text(), QStringLiteral("Next Mission:"));
        QCOMPARE(Child<QLineEdit>(page, "MissionName")->toolTip(),
                 QStringLiteral("Enter the filename without the extension"));
        auto* ok = Child<QPushButton>(page, "Button1");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(Child<QPushButton>(page, "CheckButton")->text(), QStringLiteral("Check"));

        const QList<QWidget*> tabOrder = {ok,
                                          Child<QCheckBox>(page, "DuplicateCheck"),
                                          Child<QCheckBox>(page, "EditSourceCheck"),
                                          Child<QCheckBox>(page, "NextMissionCheck"),
                                          Child<QLineEdit>(page, "MissionName"),
                                          Child<QPushButton>(page, "CheckButton")};
        for (int i = 0; i + 1 < tabOrder.size(); ++i)
            QCOMPARE(NextTabStop(tabOrder[i]), tabOrder[i + 1]);

        QFileDialog& dialog = windows_->ViewSourceBox().SaveDialog1();
        QCOMPARE(dialog.objectName(), QStringLiteral("SaveDialog1"));
        QCOMPARE(dialog.parent(), &windows_->ViewSourceBox());
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
        QVERIFY(dialog.testOption(QFileDialog::DontConfirmOverwrite));
        QCOMPARE(dialog.defaultSuffix(), QStringLiteral("english"));
        QCOMPARE(FileNameShown(&dialog), QStringLiteral("*.english"));
        auto* types = Child<QComboBox>(&dialog, "fileTypeCombo");
        QCOMPARE(types->count(), 1);
        QCOMPARE(types->itemText(0), QStringLiteral("Mission Files (*.english)"));
        QCOMPARE(dialog.nameFilters(), QStringList{"Mission Files (*.english)"});
    }

    void optionsFollowTheUserAndStartAfreshEachMission() {
        windows_->FifthBox().show();
        ModalDriver driver;
        driver.When("SixthBox", [this](QWidget* page) {
            QVERIFY(!windows_->FifthBox().isVisible());
            auto* name = Child<QLineEdit>(page, "MissionName");
            QTest::keyClicks(name, "m");
            QVERIFY(Ticked(page, "NextMissionCheck"));
            QTest::keyClick(name, Qt::Key_Backspace);
            QVERIFY(Ticked(page, "NextMissionCheck")); // emptying by hand leaves it ticked
            Child<QCheckBox>(page, "DuplicateCheck")->setChecked(false);
            Child<QCheckBox>(page, "EditSourceCheck")->setChecked(true);
            QTest::keyClicks(name, "mission3");
            const FinishOptions& options = windows_->Mission().finish;
            QVERIFY(!options.DuplicateCheck && options.EditSourceCheck);
            QVERIFY(options.NextMissionCheck);
            QCOMPARE(options.MissionName, std::string("mission3"));
            page->close();
        });
        driver.Answer(QMessageBox::Yes); // "Abandon this mission?"
        driver.When("SixthBox", [this](QWidget* page) {
            QVERIFY(Ticked(page, "DuplicateCheck"));
            QVERIFY(!Ticked(page, "EditSourceCheck"));
            QVERIFY(!Ticked(page, "NextMissionCheck"));
            QVERIFY(Child<QLineEdit>(page, "MissionName")->text().isEmpty());
            const FinishOptions& options = windows_->Mission().finish;
            QVERIFY(options.DuplicateCheck && !options.EditSourceCheck);
            QVERIFY(!options.NextMissionCheck && options.MissionName.empty());
            QVERIFY((windows_->SixthBox().FileToSave().LineCount() == 0));
            page->close();
        });
        // Closed by its window frame: nothing is built or saved.
        QCOMPARE(windows_->SixthBox().OpenFromPrevious(&windows_->FifthBox()),
                 int(QDialog::Rejected));
        QVERIFY((windows_->SixthBox().FileToSave().LineCount() == 0));
        windows_->StartMission();
        windows_->SixthBox().OpenFromPrevious();
        QVERIFY(driver.Done());
        QVERIFY(QDir(folder_).isEmpty());
    }

    void okSavesAtOnceWithTheGermanCopy() {
        ModalDriver driver;
        driver.When("SixthBox", [](QWidget* page) {
            QTest::keyClicks(Child<QLineEdit>(page, "MissionName"), "mission3");
            Click(page, "Button1");
        });
        driver.When("SaveDialog1", [this](QWidget* dialog) {
            QCOMPARE(QDir(qobject_cast<QFileDialog*>(dialog)->directory()),
                     QDir(folder_)); // the game's folder for missions
            QCOMPARE(FileNameShown(dialog), QStringLiteral("*.english"));
            auto* name = Child<QLineEdit>(dialog, "fileNameEdit");
            name->setText("mission"); // the dialog adds ".english"
            QTest::keyClick(name, Qt::Key_Return);
        });
        QCOMPARE(windows_->SixthBox().OpenFromPrevious(), int(QDialog::Accepted));
        QVERIFY(driver.Done());

        const QByteArray expected = Expected(true, "mission3");
        QVERIFY(expected.contains("\r\n$Button=Next Mission,MissionBegin,mission3\r\n"));
        QVERIFY(expected.contains("title = \"Saved Map\"\r\n"));
        QCOMPARE(Contents(folder_ + "/mission.english"), expected);
        QCOMPARE(Contents(folder_ + "/mission.german"), expected);

        // The next mission's dialog offers the name chosen last.
        ModalDriver again;
        again.When("SixthBox", [](QWidget* page) { Click(page, "Button1"); });
        again.When("SaveDialog1", [](QWidget* dialog) {
            QCOMPARE(FileNameShown(dialog), QStringLiteral("mission.english"));
            qobject_cast<QDialog*>(dialog)->reject();
        });
        again.Answer(QMessageBox::Yes);
        windows_->SixthBox().OpenFromPrevious();
        QVERIFY(again.Done());
        QCOMPARE(again.Seen().last(),
                 QString("MessageBox:%1:Sure you don't want to save?").arg(QMessageBox::Question));
    }

    // A file too large to be opened again is refused before the save dialog, and the page stays
    // with the mission, to go back and shorten it.
    void aFileTooLargeToOpenAgainKeepsThePage() {
        windows_->Mission().entryBox.BackgroundStoryBox =
            std::string(kMaxReadableFileBytes + 1, 'x');
        ModalDriver driver;
        bool keptOpen = false;
        driver.When("SixthBox", [](QWidget* page) { Click(page, "Button1"); })
            .Answer(QMessageBox::Ok)
            .When("SixthBox", [&keptOpen](QWidget* page) {
                keptOpen = true;
                page->close();
            });
        windows_->SixthBox().OpenFromPrevious();
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        QVERIFY(driver.Seen().at(1).contains("The file is not saved, as this program could not "
                                             "open it again"));
        QVERIFY(keptOpen);
        QVERIFY(QDir(folder_).isEmpty());
    }

    void failedWriteIsReportedAndTheDialogComesBack() {
        const QString missing = temp_->path() + "/missing/lost.english";
        ModalDriver driver;
        driver.When("SixthBox", [](QWidget* page) {
            Child<QCheckBox>(page, "DuplicateCheck")->setChecked(false);
            Click(page, "Button1");
        });
        driver.ChooseFile("SaveDialog1", missing);
        driver.OnMessageBox([&missing](QMessageBox* box) {
            QCOMPARE(box->icon(), QMessageBox::Critical);
            QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
            QVERIFY2(box->text().startsWith("Cannot create file " + missing + ": "),
                     qPrintable(box->text()));
            box->button(QMessageBox::Ok)->click();
        });
        driver.When("SaveDialog1", [this](QWidget* dialog) {
            QCOMPARE(FileNameShown(dialog), QStringLiteral("lost.english"));
            auto* name = Child<QLineEdit>(dialog, "fileNameEdit");
            name->setText(folder_ + "/found.english");
            QTest::keyClick(name, Qt::Key_Return);
        });
        windows_->SixthBox().OpenFromPrevious();
        QVERIFY(driver.Done());
        QCOMPARE(Contents(folder_ + "/found.english"), Expected(false, ""));
        QVERIFY(!QFile::exists(folder_ + "/found.german"));
    }

    // Return never replaces a file or throws the mission away: "No" is the default answer.
    void questionsDefaultToNo() {
        const QString path = folder_ + "/kept.english";
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
        }
        ModalDriver driver;
        driver.When("SixthBox", [](QWidget* page) { Click(page, "Button1"); });
        driver.ChooseFile("SaveDialog1", path).PressReturn(QMessageBox::No);
        driver.CancelFile("SaveDialog1").PressReturn(QMessageBox::No);
        driver.CancelFile("SaveDialog1").Answer(QMessageBox::Yes);
        windows_->SixthBox().OpenFromPrevious();
        QVERIFY(driver.Done());
        const QString question = QString("MessageBox:%1:").arg(QMessageBox::Question);
        QCOMPARE(driver.Seen().mid(1),
                 QStringList({"SaveDialog1", question + "Overwrite " + path + "?", "SaveDialog1",
                              question + "Sure you don't want to save?", "SaveDialog1",
                              question + "Sure you don't want to save?"}));
        QCOMPARE(Contents(path), QByteArray("old"));
    }

    // The mission is saved; only its copy could not follow, and the user is told so.
    void aCopyThatCannotFollowIsReportedAfterTheSave() {
        QVERIFY(QDir(folder_).mkdir("blocked.german"));
        const QString path = QDir(folder_).filePath("blocked.english");
        ModalDriver driver;
        driver.When("SixthBox", [](QWidget* page) { Click(page, "Button1"); });
        driver.ChooseFile("SaveDialog1", path).Answer(QMessageBox::Ok);
        // Would answer the dialog, were it to come back.
        driver.CancelFile("SaveDialog1").Answer(QMessageBox::Yes);
        windows_->SixthBox().OpenFromPrevious();
        QCOMPARE(driver.Seen().mid(1),
                 QStringList(
                     {"SaveDialog1", QString("MessageBox:%1:").arg(QMessageBox::Warning) +
                                         "The mission was saved, but its German copy could not be "
                                         "written: " +
                                         QDir(folder_).filePath("blocked.german") + ": " +
                                         std::strerror(EISDIR)}));
        QCOMPARE(Contents(path), Expected(false, ""));
    }

    void sourceViewSavesTheEditedText() {
        const QString path = temp_->path() + "/edited.english";
        const QString longLine = "<p>" + QString(600, QLatin1Char('w'));
        ModalDriver driver;
        driver.When("SixthBox", [](QWidget* page) {
            Child<QCheckBox>(page, "DuplicateCheck")->setChecked(false);
            Child<QCheckBox>(page, "EditSourceCheck")->setChecked(true);
            Click(page, "Button1");
        });
        driver.When("ViewSourceBox", [&](QWidget* view) {
            auto* source = Child<QPlainTextEdit>(view, "SourceBox");
            QByteArray shown = source->toPlainText().toLatin1().replace("\n", "\r\n") + "\r\n";
            QCOMPARE(shown, Expected(false, ""));
            QVERIFY(!QFile::exists(path)); // nothing is saved before the view's "OK"
            QString text = source->toPlainText();
            text.replace("title = \"Saved Map\"", "title = \"Edited\"");
            source->setPlainText(text + "\n" + longLine);
            Click(view, "Button1");
        });
        driver.ChooseFile("SaveDialog1", path);
        windows_->SixthBox().OpenFromPrevious();
        QVERIFY(driver.Done());

        QByteArray expected = Expected(false, "");
        expected.replace("title = \"Saved Map\"", "title = \"Edited\"");
        expected += longLine.toLatin1() + "\r\n";
        QCOMPARE(Contents(path), expected);
        QCOMPARE(Contents(temp_->path() + "/edited.german"), QByteArray("<missing>"));
    }

    // A write that fails, and then giving up, leaves the edited text in the source view.
    void aFailedWriteGivenUpKeepsTheEditedSource() {
        const QString missing = temp_->path() + "/missing/lost.english";
        ModalDriver driver;
        driver.When("SixthBox", [](QWidget* page) {
            Child<QCheckBox>(page, "EditSourceCheck")->setChecked(true);
            Click(page, "Button1");
        });
        driver.When("ViewSourceBox", [](QWidget* view) {
            Child<QPlainTextEdit>(view, "SourceBox")->appendPlainText("[Mine]");
            Click(view, "Button1");
        });
        driver.ChooseFile("SaveDialog1", missing).Answer(QMessageBox::Ok);
        driver.CancelFile("SaveDialog1").Answer(QMessageBox::Yes); // give up
        QString kept;
        driver.When("ViewSourceBox", [&kept](QWidget* view) {
            kept = Child<QPlainTextEdit>(view, "SourceBox")->toPlainText();
            view->close();
        });
        driver.Answer(QMessageBox::Yes); // "Abandon this mission?"
        windows_->SixthBox().OpenFromPrevious();
        QVERIFY(driver.Done());
        QVERIFY(kept.endsWith("\n[Mine]"));
    }

    // The source view is part of the mission: its close control asks before the mission is
    // abandoned, and "No", the default, keeps it open.
    void closingTheSourceViewAsksAndSavesNothing() {
        bool keptOpen = false;
        ModalDriver driver;
        driver.When("SixthBox", [](QWidget* page) {
            Child<QCheckBox>(page, "EditSourceCheck")->setChecked(true);
            Click(page, "Button1");
        });
        driver.CloseNoThenYes("ViewSourceBox", keptOpen);
        windows_->SixthBox().OpenFromPrevious();
        QVERIFY(driver.Done());
        QVERIFY(keptOpen);
        const QString question =
            QStringLiteral("MessageBox:%1:Abandon this mission? What you typed is lost.")
                .arg(QMessageBox::Question);
        QCOMPARE(driver.Seen(),
                 QStringList({"SixthBox", "ViewSourceBox", question, "ViewSourceBox", question}));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(QDir(folder_).isEmpty());
    }

    void messageBoxesOfTheStandardKinds_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::newRow("overwrite") << 0 << int(QMessageBox::Question)
                                   << int(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QTest::newRow("give up") << 1 << int(QMessageBox::Question)
                                 << int(QMessageBox::Yes | QMessageBox::No);
        QTest::newRow("warning") << 2 << int(QMessageBox::Warning) << int(QMessageBox::Ok);
        QTest::newRow("error") << 3 << int(QMessageBox::Critical) << int(QMessageBox::Ok);
    }
    void messageBoxesOfTheStandardKinds() {
        QFETCH(int, kind);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QString text;
        ModalDriver driver;
        driver.OnMessageBox([&](QMessageBox* box) {
            QCOMPARE(int(box->icon()), icon);
            QCOMPARE(int(box->standardButtons()), buttons);
            QCOMPARE(box->text(), text);
            // The way out each box offers: Cancel, else No, else OK.
            for (auto button : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok})
                if (box->button(button)) {
                    box->button(button)->click();
                    return;
                }
        });
        DialogSaveUser user(Page(), windows_->ViewSourceBox().SaveDialog1());
        const auto expectAnswer = [&](Answer answer, Answer expected) {
            QCOMPARE(int(answer), int(expected));
        };
        // Each box shows its message as worded for the user.
        const SaveMessage message{SaveMessageKind::CannotCreateFile, "the", "text"};
        text = DialogSaveUser::Text(message);
        switch (kind) {
        case 0:
            expectAnswer(user.Confirm(message, true), Answer::Cancel);
            break;
        case 1:
            expectAnswer(user.Confirm(message, false), Answer::No);
            break;
        case 2:
            user.Warn(message);
            break;
        default:
            user.ReportError(message);
        }
        QVERIFY(driver.Done());
    }

    // "Check" lists the findings in the mission's file as it will be saved, each with its line,
    // and saves nothing, also when Return presses it. A new mission's next mission is looked for
    // where the save dialog opens; an opened file's beside it, then in the game's folder.
    void checkListsTheFindingsOfTheFileAsItWillBeSaved() {
        QStringList shown;
        const auto check = [&shown](QWidget* page) {
            ModalDriver findings;
            findings.When("FindingsBox", [&shown](QWidget* box) {
                shown = QStringList{Child<QLabel>(box, "SummaryLabel")->text()};
                auto* list = Child<QListWidget>(box, "FindingsList");
                for (int i = 0; i < list->count(); ++i)
                    shown << list->item(i)->text();
                QTest::keyClick(box, Qt::Key_Escape);
            });
            // Return on the focused button checks; it saves nothing.
            auto* button = Child<QPushButton>(page, "CheckButton");
            button->setFocus();
            QTest::keyClick(button, Qt::Key_Return);
            QVERIFY(findings.Done());
        };
        const QString found = QStringLiteral(
            "What the game would read otherwise than you meant, in the mission's file as it will "
            "be saved:");
        const QString nothing = QStringLiteral("Nothing found: the game will read the mission as "
                                               "you meant it, as far as the check can tell.");

        ModalDriver driver;
        driver.When("SixthBox", [&](QWidget* page) {
            QTest::keyClicks(Child<QLineEdit>(page, "MissionName"), "Island2");
            check(page);
            const QByteArray file = Expected(true, "Island2");
            const int line = file.left(file.indexOf("$Button=Next Mission")).count('\n') + 1;
            QCOMPARE(shown, (QStringList{found, QString("Line %1: the mission file "
                                                        "Island2.english is neither beside this "
                                                        "file nor in the game's D folder.")
                                                    .arg(line)}));
            QFile next(folder_ + "/ISLAND2.english");
            QVERIFY(next.open(QIODevice::WriteOnly));
            next.close();
            ModalDriver none;
            none.Answer(QMessageBox::Ok);
            Click(page, "CheckButton");
            QCOMPARE(none.Seen(),
                     QStringList{
                         QString("MessageBox:%1:%2").arg(QMessageBox::Information).arg(nothing)});
            ModalDriver abandon; // "Abandon this mission?": a name was typed
            abandon.Answer(QMessageBox::Yes);
            page->close();
        });
        windows_->SixthBox().OpenFromPrevious();
        QVERIFY(driver.Done());

        // An opened file, with the next mission typed anew: the file's own line and the new one.
        QVERIFY(QDir().mkpath(temp_->path() + "/pack"));
        const QString opened = temp_->path() + "/pack/Hand.english";
        const std::string hand = "[Header]\nai2Color = cyan\n[Succeeded]\n"
                                 "$Button=Next Mission,MissionBegin,Beside\n[END]\n";
        QFile beside(temp_->path() + "/pack/Beside.english");
        QVERIFY(beside.open(QIODevice::WriteOnly));
        beside.close();
        MissionFileReading reading = ReadMissionFile(hand);
        windows_->Mission() = reading.settings;
        windows_->StartMission(reading.settings, opened, std::move(reading.document));
        ModalDriver openedDriver;
        openedDriver.When("SixthBox", [&](QWidget* page) {
            check(page);
            const QString colour = "Line 2: the game ignores the colour \"cyan\" of ai2Color; "
                                   "it knows none, blue, red, white, green, purple, yellow, "
                                   "lightblue, orange.";
            QCOMPARE(shown, (QStringList{found, colour}));
            Child<QLineEdit>(page, "MissionName")->setText("Nowhere");
            check(page);
            QCOMPARE(shown, (QStringList{found, colour,
                                         "Line 4: the mission file Nowhere.english is neither "
                                         "beside this file nor in the game's D folder."}));
            ModalDriver abandon; // "Abandon this mission?"
            abandon.Answer(QMessageBox::Yes);
            page->close();
        });
        windows_->SixthBox().OpenFromPrevious();
        QVERIFY(openedDriver.Done());
        QCOMPARE(QDir(folder_).entryList(QDir::Files), QStringList{"ISLAND2.english"});
    }

    // A file of many faults lists its first 500, and says how many more there are.
    void checkListsAtMost500Findings() {
        std::string hand = "[Header]\n[A.]\n";
        for (int i = 0; i < 600; ++i)
            hand += "$Buton=x\n";
        MissionFileReading reading = ReadMissionFile(hand);
        windows_->Mission() = reading.settings;
        windows_->StartMission(reading.settings, temp_->path() + "/Many.english",
                               std::move(reading.document));
        ModalDriver driver;
        driver.When("SixthBox", [](QWidget* page) { Click(page, "CheckButton"); })
            .When("FindingsBox",
                  [](QWidget* box) {
                      auto* list = Child<QListWidget>(box, "FindingsList");
                      QCOMPARE(list->count(), 501);
                      QCOMPARE(list->item(0)->text(),
                               QStringLiteral("Line 3: the game knows no command "
                                              "$Buton (did you mean $Button?)."));
                      QCOMPARE(list->item(500)->text(), QStringLiteral("... and 100 more."));
                      box->close();
                  })
            .When("SixthBox", [](QWidget* page) { page->close(); });
        windows_->SixthBox().OpenFromPrevious();
        QVERIFY(driver.Done());
    }
};

QTEST_MAIN(FinishPageTest)
#include "test_finish_page.moc"
