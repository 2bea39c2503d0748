// Opening files the program wrote, and files it did not, through the real windows: the start
// window's "Open", the campaign editor's "Open", and what the user is told before anything
// changes. Opening a file and pressing OK on every page saves the same bytes again.
#include "ModalDriver.h"
#include "WorkedExample.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionWriter.h"
#include "core/text/FileText.h"
#include "core/text/LostCharacters.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"
#include "ui/app/Startup.h"
#include "ui/platform/FileOpening.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <filesystem>
#include <fstream>
#include <functional>

using namespace vornask;
using namespace vornask::test;

namespace {

QByteArray FileBytes(const std::vector<std::string>& lines) {
    QByteArray bytes;
    for (const std::string& line : lines)
        bytes += QByteArray::fromStdString(line) + "\r\n";
    return bytes;
}

QByteArray MissionBytes(const MissionSettings& settings) {
    MissionLines lines;
    BuildMissionLines(settings, lines);
    return FileBytes(lines);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// A file of tests/data, in the forms map makers write by hand.
QByteArray DataFile(const char* name) {
    QFile file(QStringLiteral(VORNASK_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Presses OK on each page of the wizard from `first` on (SecondBox to SixthBox) as it comes.
void ConfirmPagesFrom(ModalDriver& driver, const QString& first) {
    const QStringList pages = {"SecondBox", "ThirdBox", "FourthBox", "FifthBox", "SixthBox"};
    for (qsizetype i = pages.indexOf(first); i >= 0 && i < pages.size(); ++i)
        driver.When(pages[i], [](QWidget* w) {
            Click(w, w->objectName() == "FourthBox" ? "Button2" : "Button1");
        });
}

// Presses OK on every page of the wizard as it comes, and saves over `path` when asked.
void ConfirmEveryPage(ModalDriver& driver, const QString& path) {
    ConfirmPagesFrom(driver, "SecondBox");
    driver
        .When("SaveDialog1",
              [path](QWidget* w) {
                  // The save dialog offers the opened file.
                  auto* dialog = static_cast<QFileDialog*>(w);
                  QCOMPARE(QDir(dialog->directory()).absolutePath(),
                           QFileInfo(path).absolutePath());
                  QCOMPARE(dialog->findChild<QLineEdit*>("fileNameEdit")->text(),
                           QFileInfo(path).fileName());
              })
        .ChooseFile("SaveDialog1", path)
        .Answer(QMessageBox::Yes); // "Overwrite ...?"
}

} // namespace

class OpenTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        windows_ = std::make_unique<AppWindows>();
        windows_->StartBox().show();
    }
    void cleanup() { windows_.reset(); }

    void openingAndConfirmingEveryPageSavesTheSameBytes_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("worked example, 52 lines") << FileBytes(kWorkedExampleLines);
        QTest::newRow("defaults, 37 lines") << MissionBytes(MissionSettings{});
        QTest::newRow("longest, 220 lines") << MissionBytes(LongestMission());
        // Values as long as a line of the file lets them be, longer than typing may reach.
        MissionSettings longValues;
        const std::string longest(kMaxValueBytes + 1, 'x');
        longValues.general.title = longValues.entryBox.QuoteTextBox = longest;
        longValues.entryBox.QuoteAuthorBox = longValues.events.Succeeded.heading = longest;
        longValues.opponent(2).enabled = true;
        longValues.opponent(2).name = longest;
        longValues.finish = {true, false, true, longest};
        QTest::newRow("values of 16,321 characters") << MissionBytes(longValues);
    }
    void openingAndConfirmingEveryPageSavesTheSameBytes() {
        QFETCH(QByteArray, bytes);
        const QString path = folder_->filePath("Island1.english");
        Write(path, bytes);
        ModalDriver driver;
        driver.ChooseFile("OpenDialog1", path);
        ConfirmEveryPage(driver, path);
        Click(&windows_->StartBox(), "Button3");
        QVERIFY(driver.Done());
        QCOMPARE(Contents(path), bytes);
        QVERIFY(!QFile::exists(folder_->filePath("Island1.german")));
    }

    // The texts of a hand-made mission show whole on their pages; typed over and saved, the
    // file holds the new ones, which the pages show when it is opened again.
    void typedTextsReplaceAHandMadeMissionsTexts() {
        const QString path = folder_->filePath("Nimbus.english");
        Write(path, DataFile("Nimbus.english"));
        const QString story = QStringLiteral("\nA new story<br>\n~yin colour~w");
        for (const bool again : {false, true}) {
            ModalDriver driver;
            driver.ChooseFile("OpenDialog1", path).When("SecondBox", [](QWidget* w) {
                Click(w, "Button1");
            });
            driver.When("ThirdBox", [&](QWidget* w) {
                auto* quote = Find<QLineEdit>(w, "QuoteTextBox");
                auto* author = Find<QLineEdit>(w, "QuoteAuthorBox");
                auto* storyBox = Find<QPlainTextEdit>(w, "BackgroundStoryBox");
                if (again) {
                    QCOMPARE(quote->text(), QStringLiteral("New quote"));
                    QCOMPARE(author->text(), QStringLiteral("New author"));
                    QCOMPARE(storyBox->toPlainText(), story);
                    return Click(w, "Button1");
                }
                QCOMPARE(quote->text(), QStringLiteral("\"A good storm sells itself, if you know "
                                                       "whom to sell it to.\""));
                QCOMPARE(author->text(), QStringLiteral("Nimbian salesman"));
                QCOMPARE(storyBox->toPlainText(),
                         QStringLiteral("You: Roger that, we are on our way.\nSarge: ~yKeep your "
                                        "eyes open.~w\n~rThe traders will not wait.~w"));
                quote->setText("New quote");
                author->setText("New author");
                storyBox->setPlainText(story);
                Click(w, "Button1");
            });
            driver.When("FourthBox", [](QWidget* w) { Click(w, "Button2"); });
            driver.When("FifthBox", [&](QWidget* w) {
                auto* text = Find<QPlainTextEdit>(w, "TextBox");
                if (again) {
                    QCOMPARE(text->toPlainText(), QStringLiteral("All\n\nwon"));
                    Pick(w, "ComboBox981", "Failed");
                    QCOMPARE(text->toPlainText(), QStringLiteral("Lost"));
                    return Click(w, "Button1");
                }
                QCOMPARE(text->toPlainText(),
                         QStringLiteral("The traders flee.<br>\n~yWell done, commander.~w"));
                text->setPlainText("All\n\nwon");
                Pick(w, "ComboBox981", "Failed");
                QCOMPARE(text->toPlainText(),
                         QStringLiteral("The storm took you.\nTry once more."));
                text->setPlainText("Lost");
                Click(w, "Button1");
            });
            driver.When("SixthBox", [&](QWidget* w) {
                QCOMPARE(Find<QLineEdit>(w, "MissionName")->text(), QStringLiteral("Battle5"));
                if (again)
                    w->close();
                else
                    Click(w, "Button1");
            });
            if (!again)
                driver.ChooseFile("SaveDialog1", path).Answer(QMessageBox::Yes);
            Click(&windows_->StartBox(), "Button3");
            QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        }
        const QByteArray saved = Contents(path);
        QVERIFY(saved.contains("$Button=HELP SARGE!!!,MissionBegin,Battle5\r\n"));
        QVERIFY(saved.contains("// the old briefing ended here\r\n"));
        QVERIFY(!saved.contains("Roger") && !saved.contains("flee") &&
                !saved.contains("storm took"));
    }

    // Each page shows what the file holds, not its defaults; "New Mission" starts afresh.
    void everyPageShowsTheOpenedValues() {
        const QString path = folder_->filePath("Worked.english");
        Write(path, FileBytes(kWorkedExampleLines));
        Write(folder_->filePath("Worked.german"), "old copy");
        const MissionSettings expected = WorkedExampleMission();
        ModalDriver driver;
        driver.ChooseFile("OpenDialog1", path)
            .When("SecondBox",
                  [&](QWidget* w) {
                      QCOMPARE(Find<QLineEdit>(w, "TitleBox")->text().toStdString(),
                               expected.general.title);
                      QCOMPARE(Find<QSpinBox>(w, "MissionNumberBox")->value(),
                               std::stoi(expected.general.missionNumber));
                      // An opened mission starts here: there is no page to go back to.
                      QVERIFY(!Find<QPushButton>(w, "BackButton")->isEnabled());
                      Click(w, "Button1");
                  })
            .When("ThirdBox",
                  [&](QWidget* w) {
                      QCOMPARE(Find<QLineEdit>(w, "QuoteAuthorBox")->text().toStdString(),
                               expected.entryBox.QuoteAuthorBox);
                      QVERIFY(Find<QPushButton>(w, "BackButton")->isEnabled());
                      Click(w, "Button1");
                  })
            .When(
                "FourthBox",
                [&](QWidget* w) {
                    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
                        QCOMPARE(
                            Find<QCheckBox>(w, QStringLiteral("EnableAI%1").arg(side))->isChecked(),
                            expected.opponent(side).enabled);
                    QCOMPARE(windows_->Mission().advancedOf(2).Collectors,
                             expected.advancedOf(2).Collectors);
                    Click(w, "Button2");
                })
            .When("FifthBox",
                  [&](QWidget* w) {
                      QCOMPARE(Find<QLineEdit>(w, "HeadingBox")->text().toStdString(),
                               expected.events.Succeeded.heading);
                      Click(w, "Button1");
                  })
            .When("SixthBox", [&](QWidget* w) {
                // The file beside it is no copy of it, so it is not offered for replacing.
                QVERIFY(!Find<QCheckBox>(w, "DuplicateCheck")->isChecked());
                QVERIFY(!Find<QCheckBox>(w, "EditSourceCheck")->isChecked());
                QCOMPARE(Find<QCheckBox>(w, "NextMissionCheck")->isChecked(),
                         expected.finish.NextMissionCheck);
                QCOMPARE(Find<QLineEdit>(w, "MissionName")->text().toStdString(),
                         expected.finish.MissionName);
                w->close();
            });
        Click(&windows_->StartBox(), "Button3");
        QVERIFY(driver.Done());

        ModalDriver fresh;
        fresh.When("FirstBox", [](QWidget* w) { Click(w, "Button1"); })
            .When("SecondBox", [](QWidget* w) {
                QCOMPARE(Find<QLineEdit>(w, "TitleBox")->text(), QStringLiteral("My Map"));
                w->close();
            });
        Click(&windows_->StartBox(), "Button1");
        QVERIFY(fresh.Done());
    }

    // A translated ".german" file beside the opened one is no copy to keep in step: the copy is
    // offered only while it holds the file's bytes, and saving then leaves a translation alone.
    // A new campaign afterwards shows the user's own choice again.
    void theCopyIsOfferedOnlyWhileItHoldsTheOpenedBytes_data() {
        QTest::addColumn<bool>("guide");
        QTest::addColumn<QString>("copy");
        for (const bool guide : {false, true})
            for (const char* copy : {"same", "translated", "missing"})
                QTest::addRow("%s, %s", guide ? "guide" : "mission", copy) << guide << copy;
    }
    void theCopyIsOfferedOnlyWhileItHoldsTheOpenedBytes() {
        QFETCH(bool, guide);
        QFETCH(QString, copy);
        const QByteArray bytes =
            FileBytes(guide ? kWorkedExampleCampaignLines : kWorkedExampleLines);
        const QByteArray translated = "[Header]\r\ntitle = \"\xDC"
                                      "bersetzt\"\r\n";
        const QString path = folder_->filePath(guide ? "GuideTrans.english" : "Trans.english");
        const QString copyPath = QString(path).replace(".english", ".german");
        Write(path, bytes);
        if (copy != "missing")
            Write(copyPath, copy == "same" ? bytes : translated);
        const bool offered = copy == "same";
        const auto finish = [offered](const char* box) {
            return [offered, box](QWidget* w) {
                QCOMPARE(Find<QCheckBox>(w, box)->isChecked(), offered);
                Click(w, "Button1");
            };
        };
        ModalDriver driver;
        driver.ChooseFile("OpenDialog1", path);
        if (guide)
            driver.When("CampaignBox", [](QWidget* w) { Click(w, "Button1"); })
                .Answer(QMessageBox::Yes) // "Save anyway?": the missions' files are not there
                .When("CampaignFinished", finish("Duplicate"));
        else
            driver.When("SecondBox", [](QWidget* w) { Click(w, "Button1"); })
                .When("ThirdBox", [](QWidget* w) { Click(w, "Button1"); })
                .When("FourthBox", [](QWidget* w) { Click(w, "Button2"); })
                .When("FifthBox", [](QWidget* w) { Click(w, "Button1"); })
                .When("SixthBox", finish("DuplicateCheck"));
        driver.ChooseFile("SaveDialog1", path).Answer(QMessageBox::Yes); // "Overwrite ...?"
        Click(&windows_->StartBox(), "Button3");
        QVERIFY(driver.Done());
        QCOMPARE(Contents(path), bytes);
        QCOMPARE(Contents(copyPath), copy == "same"         ? bytes
                                     : copy == "translated" ? translated
                                                            : QByteArray("<missing>"));
        if (!guide)
            return;
        ModalDriver fresh;
        fresh.When("CampaignBox", [](QWidget* w) { Click(w, "Button1"); })
            .When("CampaignFinished", [](QWidget* w) {
                QVERIFY(Find<QCheckBox>(w, "Duplicate")->isChecked());
                w->close();
            });
        Click(&windows_->StartBox(), "Button5");
        QVERIFY(fresh.Done());
    }

    // An opened file saved with a value changed: its copy as it stood (in any letter case, as
    // Windows finds it) is no translation and goes along unasked; a read-only copy is kept, and
    // the file is saved alone with a word on why.
    void aChangedFileTakesItsCopyAlongOrSaysWhyNot_data() {
        QTest::addColumn<bool>("guide");
        QTest::addColumn<QString>("copyName");
        QTest::addColumn<bool>("readOnly");
        for (const bool guide : {false, true}) {
            const QString name = guide ? "GuidePair" : "Pair";
            const char* side = guide ? "guide" : "mission";
            QTest::addRow("%s, copy", side) << guide << name + ".german" << false;
            QTest::addRow("%s, copy in capitals", side)
                << guide << name.toUpper() + ".german" << false;
            QTest::addRow("%s, read-only copy", side) << guide << name + ".german" << true;
        }
    }
    void aChangedFileTakesItsCopyAlongOrSaysWhyNot() {
        QFETCH(bool, guide);
        QFETCH(QString, copyName);
        QFETCH(bool, readOnly);
        const QByteArray bytes =
            FileBytes(guide ? kWorkedExampleCampaignLines : kWorkedExampleLines);
        const QString path = folder_->filePath(guide ? "GuidePair.english" : "Pair.english");
        const QString copyPath = folder_->filePath(copyName);
        Write(path, bytes);
        Write(copyPath, bytes);
        if (readOnly)
            QVERIFY(QFile::setPermissions(copyPath, QFile::ReadOwner | QFile::ReadGroup));
        const auto ticked = [](const char* box, const char* ok) {
            return [box, ok](QWidget* w) {
                QVERIFY(Find<QCheckBox>(w, box)->isChecked());
                Click(w, ok);
            };
        };
        ModalDriver driver;
        driver.ChooseFile("OpenDialog1", path);
        if (guide) {
            driver
                .When("CampaignBox",
                      [](QWidget* w) {
                          Find<QLineEdit>(w, "TitleBox")->setText("Changed");
                          Click(w, "Button1");
                      })
                .Answer(QMessageBox::Yes) // "Save anyway?": the missions' files are not there
                .When("CampaignFinished", ticked("Duplicate", "Button1"));
        } else {
            driver.When("SecondBox", [](QWidget* w) {
                Find<QLineEdit>(w, "TitleBox")->setText("Changed");
                Click(w, "Button1");
            });
            driver.When("ThirdBox", [](QWidget* w) { Click(w, "Button1"); })
                .When("FourthBox", [](QWidget* w) { Click(w, "Button2"); })
                .When("FifthBox", [](QWidget* w) { Click(w, "Button1"); })
                .When("SixthBox", ticked("DuplicateCheck", "Button1"));
        }
        driver.ChooseFile("SaveDialog1", path).Answer(QMessageBox::Yes); // "Overwrite ...?"
        if (readOnly)
            driver.OnMessageBox([&](QMessageBox* box) {
                QCOMPARE(box->icon(), QMessageBox::Warning);
                QCOMPARE(box->text(), QStringLiteral("The %1 was saved, but its German copy %2 "
                                                     "was not written: it is read-only.")
                                          .arg(guide ? "campaign" : "mission",
                                               QDir::toNativeSeparators(copyPath)));
                box->accept();
            });
        Click(&windows_->StartBox(), "Button3");
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        const QByteArray saved = Contents(path);
        QVERIFY(saved.contains("Changed"));
        QCOMPARE(Contents(copyPath), readOnly ? bytes : saved);
        // No second copy beside the one in capitals.
        QStringList files = {QFileInfo(path).fileName(), copyName};
        files.sort();
        QCOMPARE(QDir(folder_->path()).entryList(QDir::Files, QDir::Name), files);
    }

    // A file edited by hand keeps what the pages do not show: it opens without a question and,
    // saved with the title changed, differs from the file in the title's two lines alone.
    void aHandEditedFileKeepsWhatThePagesDoNotShow() {
        QByteArray bytes = FileBytes(kWorkedExampleLines);
        bytes.replace("[Options]\r\n", "[Options]\r\n; drawn by hand\r\nfog = \"1\"\r\n");
        const QString path = folder_->filePath("Edited.english");
        Write(path, bytes);
        ModalDriver driver;
        driver.ChooseFile("OpenDialog1", path).When("SecondBox", [](QWidget* w) {
            Find<QLineEdit>(w, "TitleBox")->setText("Renamed");
            Click(w, "Button1");
        });
        ConfirmPagesFrom(driver, "ThirdBox");
        driver.ChooseFile("SaveDialog1", path)
            .Answer(QMessageBox::Yes); // "Overwrite ...?", the only question
        Click(&windows_->StartBox(), "Button3");
        QVERIFY(driver.Done());
        QByteArray expected = bytes;
        expected.replace("title = \"My Map\"", "title = \"Renamed\"");
        expected.replace("<h2>My Map</h2>", "<h2>Renamed</h2>");
        QCOMPARE(Contents(path), expected);
    }

    // A mission in the forms map makers write by hand opens without a word, every page shows
    // its values (money beyond the old bound, an advanced value the lists do not offer), and
    // pressing OK everywhere, the advanced dialog's too, saves it back byte for byte; with the
    // mission number changed, only its line differs.
    void aHandMadeMissionSavesBackWithOnlyItsChange_data() {
        QTest::addColumn<int>("number");
        QTest::newRow("unchanged") << 3;
        QTest::newRow("number changed") << 4;
    }
    void aHandMadeMissionSavesBackWithOnlyItsChange() {
        QFETCH(int, number);
        const QString path = folder_->filePath("IceFortress.english");
        const QByteArray bytes = DataFile("IceFortress.english");
        Write(path, bytes);
        ModalDriver driver;
        driver.ChooseFile("OpenDialog1", path)
            .When("SecondBox",
                  [number](QWidget* w) {
                      QCOMPARE(Find<QLineEdit>(w, "TitleBox")->text(), "The Ice Fortress");
                      // The file's own type, which the page cannot change and saving keeps.
                      QCOMPARE(Find<QLineEdit>(w, "MissionTypeBox")->text(), "Multiplayer");
                      QCOMPARE(Find<QSpinBox>(w, "MissionNumberBox")->value(), 3);
                      Find<QSpinBox>(w, "MissionNumberBox")->setValue(number);
                      Click(w, "Button1");
                  })
            .When("ThirdBox",
                  [](QWidget* w) {
                      QCOMPARE(Find<QLineEdit>(w, "QuoteAuthorBox")->text(), "The Ice King");
                      Click(w, "Button1");
                  })
            .When("FourthBox",
                  [](QWidget* w) {
                      QCOMPARE(Find<QSpinBox>(w, "MyStartMoneyBox")->value(), 750000);
                      QCOMPARE(Find<QSpinBox>(w, "AI2StartMoneyBox")->value(), 2500000);
                      Find<QTabWidget>(w, "TabbedNotebook1")->setCurrentIndex(1);
                      Click(w, "AdvancedButton2");
                  })
            .When("AdvancedAIOptions",
                  [this](QWidget* w) {
                      QCOMPARE(windows_->Mission().advancedOf(2).Collectors, std::string("20"));
                      Click(w, "Button2");
                  })
            .When("FourthBox", [](QWidget* w) { Click(w, "Button2"); })
            .When("FifthBox",
                  [](QWidget* w) {
                      QCOMPARE(Find<QLineEdit>(w, "HeadingBox")->text(), "Victory!");
                      Click(w, "Button1");
                  })
            .When("SixthBox",
                  [](QWidget* w) {
                      QCOMPARE(Find<QLineEdit>(w, "MissionName")->text(), "attackfortress");
                      Click(w, "Button1");
                  })
            .ChooseFile("SaveDialog1", path)
            .Answer(QMessageBox::Yes); // "Overwrite ...?"
        Click(&windows_->StartBox(), "Button3");
        QVERIFY(driver.Done());
        QCOMPARE(driver.Seen().filter("MessageBox").size(), 1); // the question to overwrite
        QByteArray expected = bytes;
        expected.replace("missionnumber = 3\n",
                         "missionnumber = " + QByteArray::number(number) + "\n");
        QCOMPARE(Contents(path), expected);
    }

    // Control characters in an opened file are named when it opens; the pages show "?" for
    // them, and saving without a change keeps them.
    void controlCharactersOfAnOpenedFileAreNamedAndKept() {
        QByteArray bytes = FileBytes(kWorkedExampleLines);
        bytes.replace("My Map", "My\x01Map");
        const QString path = folder_->filePath("Control.english");
        Write(path, bytes);
        ModalDriver driver;
        driver.ChooseFile("OpenDialog1", path)
            .OnMessageBox([](QMessageBox* box) {
                QCOMPARE(box->icon(), QMessageBox::Information);
                QVERIFY2(box->text().contains("in line 12, 28."), qPrintable(box->text()));
                box->button(QMessageBox::Ok)->click();
            })
            .When("SecondBox", [](QWidget* w) {
                QCOMPARE(Find<QLineEdit>(w, "TitleBox")->text(), "My?Map");
                Click(w, "Button1");
            });
        ConfirmPagesFrom(driver, "ThirdBox");
        driver.ChooseFile("SaveDialog1", path).Answer(QMessageBox::Yes);
        Click(&windows_->StartBox(), "Button3");
        QVERIFY(driver.Done());
        QCOMPARE(Contents(path), bytes);
    }

    // A guide written by hand opens in the campaign editor and saves back byte for byte, its
    // missions on both sides of the button back with conditions of their own.
    void aHandMadeGuideSavesBackByteForByte() {
        const QString path = folder_->filePath("GuideIceSaga.english");
        const QByteArray bytes = DataFile("GuideIceSaga.english");
        Write(path, bytes);
        ModalDriver driver;
        SaveGuideOverItself(driver, path, [](QWidget* w) {
            QCOMPARE(Find<QTreeWidget>(w, "CampaignView")->topLevelItem(0)->childCount(), 4);
            QCOMPARE(Find<QPlainTextEdit>(w, "CampaignText")->toPlainText(),
                     "A long winter.\n\nThree battles.");
        });
        // "Save anyway?" and "Overwrite ...?", nothing about lines not kept.
        QCOMPARE(driver.Seen().filter("MessageBox").size(), 2);
        QCOMPARE(Contents(path), bytes);
    }

    // Should saving a file ever drop lines of it, the user hears which before anything
    // changes, and "No" (the default) leaves everything as it was.
    void linesThatWouldBeLostAreListedBeforeAnythingChanges() {
        ReadReport report;
        report.notKept = {{4, "; drawn by hand"}, {5, "fog = \"1\""}};
        QString warning;
        ModalDriver driver;
        driver.OnMessageBox([&](QMessageBox* box) {
            warning = box->text();
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(static_cast<QAbstractButton*>(box->defaultButton()),
                     box->button(QMessageBox::No));
            box->button(QMessageBox::No)->click();
        });
        QVERIFY(!AcceptReading(&windows_->StartBox(), folder_->filePath("Edited.english"), report));
        QVERIFY(driver.Done());
        QVERIFY2(warning.startsWith("2 lines of Edited.english will not be kept"),
                 qPrintable(warning));
        QVERIFY(warning.contains("Line 4: ; drawn by hand\n"));
        QVERIFY(warning.contains("Line 5: fog = \"1\"\n"));
    }

    void aFileThatIsNoMissionIsRefusedWithItsReason() {
        const QString path = folder_->filePath("notes.english");
        Write(path, "just some notes\r\n");
        ModalDriver driver;
        driver.ChooseFile("OpenDialog1", path).Answer(QMessageBox::Ok);
        Click(&windows_->StartBox(), "Button3");
        QVERIFY(driver.Done());
        QCOMPARE(driver.Seen().last(),
                 QStringLiteral("MessageBox:3:Cannot open %1: it has no [Header] section, so it "
                                "is no mission file.")
                     .arg(QDir::toNativeSeparators(path)));
    }

    void cancellingTheOpenDialogChangesNothing() {
        ModalDriver driver;
        driver.CancelFile("OpenDialog1");
        Click(&windows_->StartBox(), "Button3");
        QVERIFY(driver.Done());
        QCOMPARE(driver.Seen(), QStringList{"OpenDialog1"});
    }

    // A guide file chosen in the start window opens in the campaign editor; saving it again
    // gives the same bytes.
    void aGuideFileOpensInTheCampaignEditorAndSavesTheSameBytes() {
        const QString path = folder_->filePath("GuideIslands.english");
        const QByteArray bytes = FileBytes(kWorkedExampleCampaignLines);
        Write(path, bytes);
        const CampaignSettings expected = WorkedExampleCampaign();
        ModalDriver driver;
        SaveGuideOverItself(driver, path, [&](QWidget* w) {
            QCOMPARE(Find<QLineEdit>(w, "TitleBox")->text().toStdString(), expected.title);
            QCOMPARE(Find<QTreeWidget>(w, "CampaignView")->topLevelItem(0)->childCount(),
                     int(expected.missions.size()));
            QCOMPARE(Find<QCheckBox>(w, "Sequential")->isChecked(), expected.Sequential);
        });
        QCOMPARE(Contents(path), bytes);
    }

    // The campaign editor's "Open" takes guide files only, and replaces what it shows.
    void theCampaignEditorOpensGuideFilesAndRefusesMissions() {
        const QString mission = folder_->filePath("Island1.english");
        Write(mission, FileBytes(kWorkedExampleLines));
        const QString guide = folder_->filePath("GuideIslands.english");
        Write(guide, FileBytes(kWorkedExampleCampaignLines));
        // The game installed in the temporary folder: the dialog starts in its D folder.
        windows_->StartBox().InstallDir = (folder_->path() + "/NetStorm").toStdString();
        QVERIFY(QDir().mkpath(windows_->DialogFolder()));
        ModalDriver driver;
        driver
            .When("CampaignBox",
                  [](QWidget* w) {
                      Find<QLineEdit>(w, "TitleBox")->setText("Typed");
                      Click(w, "OpenButton");
                  })
            .When("OpenDialog2",
                  [this](QWidget* w) {
                      QCOMPARE(static_cast<QFileDialog*>(w)->directory().absolutePath(),
                               QDir(windows_->DialogFolder()).absolutePath());
                  })
            .ChooseFile("OpenDialog2", mission)
            .Answer(QMessageBox::Ok)
            .When("CampaignBox",
                  [this](QWidget* w) {
                      QCOMPARE(Find<QLineEdit>(w, "TitleBox")->text(), QStringLiteral("Typed"));
                      // A mission title of the campaign about to be replaced lost a character.
                      windows_->CampaignLost().Record({TextField::MissionTitle, 0}, u"\u65e5");
                      Click(w, "OpenButton");
                  })
            .ChooseFile("OpenDialog2", guide)
            .Answer(QMessageBox::Yes) // "Close without saving?": "Typed" goes
            .When("CampaignBox", [](QWidget* w) {
                QCOMPARE(Find<QLineEdit>(w, "TitleBox")->text().toStdString(),
                         WorkedExampleCampaign().title);
                w->close();
            });
        Click(&windows_->StartBox(), "Button5");
        QVERIFY(driver.Done());
        QVERIFY(driver.Seen().contains(
            QStringLiteral("MessageBox:3:Cannot open %1: it has no [Overview] section, so it is "
                           "no campaign guide file.")
                .arg(QDir::toNativeSeparators(mission))));
        QCOMPARE(windows_->Campaign().missions, WorkedExampleCampaign().missions);
        QVERIFY(windows_->CampaignLost().empty()); // no warning about the old campaign
    }

    // The program started with a file opens it once its start window is up, as "Open" would;
    // the file's content, not its name, says which kind it is.
    void aFileNamedOnTheCommandLineOpensAsOpenWould() {
        windows_.reset();
        const QString path = folder_->filePath("islands.txt");
        Write(path, FileBytes(kWorkedExampleCampaignLines));
        ModalDriver driver;
        driver.When("CampaignBox", [](QWidget* w) {
            QCOMPARE(Find<QLineEdit>(w, "TitleBox")->text().toStdString(),
                     WorkedExampleCampaign().title);
            QVERIFY(TopLevel("StartBox")->isVisible());
            w->close();
            TopLevel("StartBox")->close();
        });
        QCOMPARE(RunVornaskCreator({RunUntil::StartWindowClosed, path}), 0);
        QVERIFY(driver.Done());
    }

    // Linux editors write UTF-8 without a mark, Windows Notepad's "Unicode" is UTF-16 with one.
    void textOfOtherEditorsOpensAsTheUserMeansIt_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("answer"); // to the question, when there is one
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("boxes");
        MissionSettings s = WorkedExampleMission();
        s.general.title = "\xCEle";
        const QByteArray ansi = MissionBytes(s);
        const QByteArray utf8 = QByteArray(ansi).replace("\xCEle", "\xC3\x8Ele");
        const QString text = QString::fromLatin1(ansi);
        QByteArray utf16 = "\xFF\xFE";
        for (const QChar c : text)
            utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
        const QString question =
            QStringLiteral("MessageBox:4:Island.english looks like UTF-8 text. Read it as UTF-8?");
        const auto note = [](const char* encoding) {
            return QStringLiteral("MessageBox:1:Island.english is %1 text. It will be saved in "
                                  "the game's code page (Windows-1252).")
                .arg(QLatin1String(encoding));
        };
        QTest::newRow("UTF-8, read as UTF-8")
            << utf8 << int(QMessageBox::Yes) << QStringLiteral("\u00cele")
            << QStringList{question, note("UTF-8")};
        QTest::newRow("UTF-8, read as the game's code page")
            << utf8 << int(QMessageBox::No) << QStringLiteral("\u00c3\u017dle")
            << QStringList{question};
        QTest::newRow("UTF-16") << utf16 << -1 << QStringLiteral("\u00cele")
                                << QStringList{note("UTF-16")};
    }
    void textOfOtherEditorsOpensAsTheUserMeansIt() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, answer);
        QFETCH(QString, title);
        QFETCH(QStringList, boxes);
        const QString path = folder_->filePath("Island.english");
        Write(path, bytes);
        ModalDriver driver;
        for (const QString& box : boxes) // the question first, then the note
            driver.Answer(box.startsWith("MessageBox:4:") ? answer : int(QMessageBox::Ok));
        driver.When("SecondBox", [&](QWidget* w) {
            QCOMPARE(Find<QLineEdit>(w, "TitleBox")->text(), title);
            w->close();
        });
        windows_->OpenFile(path);
        QVERIFY(driver.Done());
        QStringList seen = driver.Seen().filter(QRegularExpression("^MessageBox:"));
        QCOMPARE(seen, boxes);
    }

    // What cannot be opened is named with the system's reason, not as missing.
    void aFileThatCannotBeReachedGetsItsTrueReason() {
        namespace fs = std::filesystem;
        const fs::path folder = folder_->path().toStdString();
        fs::create_symlink("loop2.english", folder / "loop1.english");
        fs::create_symlink("loop1.english", folder / "loop2.english");
        std::ofstream(folder / "caf\xE9.english") << "[Header]\r\n";
        const struct {
            QString name;
            QString reason;
        } cases[] = {
            {"loop1.english", "Too many levels of symbolic links."},
            {QFile::decodeName("caf\xE9.english"),
             "its name is not valid UTF-8, so this program cannot open it. Give it a name "
             "without such bytes."},
            {"missing.english", "there is no such file."},
        };
        for (const auto& [name, reason] : cases) {
            const QString path = folder_->filePath(name);
            ModalDriver driver;
            driver.Answer(QMessageBox::Ok);
            windows_->OpenFile(path);
            QVERIFY(driver.Done());
            QCOMPARE(driver.Seen().last(), QStringLiteral("MessageBox:3:Cannot open %1: %2")
                                               .arg(QDir::toNativeSeparators(path), reason));
        }
        fs::remove(folder / "caf\xE9.english"); // which Qt could not name to remove it
    }

private:
    // Opens the guide at `path` from the start window, lets `check` look at the campaign editor,
    // and saves the guide over itself without a German copy. The missions' files are not there,
    // so "Save anyway?" comes before "Overwrite ...?".
    void SaveGuideOverItself(ModalDriver& driver, const QString& path,
                             const std::function<void(QWidget*)>& check) {
        driver.ChooseFile("OpenDialog1", path)
            .When("CampaignBox",
                  [&](QWidget* w) {
                      check(w);
                      Click(w, "Button1");
                  })
            .Answer(QMessageBox::Yes)
            .When("CampaignFinished",
                  [](QWidget* w) {
                      Find<QCheckBox>(w, "Duplicate")->setChecked(false);
                      Click(w, "Button1");
                  })
            .ChooseFile("SaveDialog1", path)
            .Answer(QMessageBox::Yes);
        Click(&windows_->StartBox(), "Button3");
        QVERIFY(driver.Done());
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<AppWindows> windows_;
};

QTEST_MAIN(OpenTest)
#include "test_open.moc"
