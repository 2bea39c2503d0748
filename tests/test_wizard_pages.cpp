#include "ModalDriver.h"
#include "WorkedExample.h"
#include "core/mission/MissionWriter.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"
#include "ui/wizard/FourthBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>
#include <map>

using namespace vornask;
using namespace vornask::test;
using Action = ModalDriver::Action;

namespace {

void TypeInto(QWidget* window, const QString& spinName, const QString& keys) {
    auto* edit = Find<QSpinBox>(window, spinName)->findChild<QLineEdit*>();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, keys);
}

void Tick(QWidget* window, const QString& listName, const QStringList& captions) {
    auto* list = Find<QListWidget>(window, listName);
    for (const QString& caption : captions) {
        const auto items = list->findItems(caption, Qt::MatchExactly);
        QVERIFY2(items.size() == 1, qPrintable(caption));
        items.first()->setCheckState(Qt::Checked);
    }
}

int TickedCount(QListWidget* list) {
    int ticked = 0;
    for (int row = 0; row < list->count(); ++row)
        ticked += list->item(row)->checkState() == Qt::Checked;
    return ticked;
}

void ShowTab(QWidget* players, const QString& caption) {
    auto* notebook = Find<QTabWidget>(players, "TabbedNotebook1");
    for (int i = 0; i < notebook->count(); ++i)
        if (notebook->tabText(i) == caption)
            notebook->setCurrentIndex(i);
    QCOMPARE(notebook->tabText(notebook->currentIndex()), caption);
}

const std::map<QString, QString> kOkButtons = {{"FirstBox", "Button1"},
                                               {"SecondBox", "Button1"},
                                               {"ThirdBox", "Button1"},
                                               {"FourthBox", "Button2"},
                                               {"FifthBox", "Button1"}};
const QStringList kChain = {"FirstBox", "SecondBox", "ThirdBox", "FourthBox", "FifthBox"};

// One pass through the wizard from "New Mission": on each page the user does what the test
// says and presses OK; dialogs opened from a page are answered in order. The finish page is
// left without saving (and without the question its close control asks), once the mission's
// lines have been built as its OK would.
class WizardRun {
public:
    explicit WizardRun(AppWindows& windows) : windows_(windows) {}

    WizardRun& On(const QString& page, Action action) {
        actions_[page] = std::move(action);
        return *this;
    }
    // A dialog the action leaves open (a failed check) is closed, so the run goes on.
    WizardRun& Then(const QString& page, const QString& dialog, Action action) {
        dialogs_[page].push_back({dialog, [action = std::move(action)](QWidget* w) {
                                      action(w);
                                      if (w->isVisible())
                                          w->close();
                                  }});
        return *this;
    }

    MissionLines Finish(const FinishOptions& finish = {}) {
        ModalDriver driver;
        for (const QString& page : kChain) {
            driver.When(page, [this, page](QWidget* w) {
                if (actions_.count(page))
                    actions_[page](w);
                if (w->isVisible()) // not left already by the action
                    Click(w, kOkButtons.at(page));
            });
            for (auto& [dialog, action] : dialogs_[page])
                driver.When(dialog, action);
        }
        MissionLines lines;
        driver.When("SixthBox", [&](QWidget* w) {
            windows_.Mission().finish = finish;
            BuildMissionLines(windows_.Mission(), lines);
            static_cast<QDialog*>(w)->reject();
        });
        Click(&windows_.StartBox(), "Button1");
        if (!driver.Done())
            qFatal("the wizard stopped before %s", qPrintable(driver.Seen().join(',')));
        return lines;
    }

private:
    AppWindows& windows_;
    std::map<QString, Action> actions_;
    std::map<QString, std::vector<std::pair<QString, Action>>> dialogs_;
};

// Types `keys` over what the number box holds, then leaves its page by Return or by a click
// on the page's "OK".
void TypeAndLeave(QWidget* page, const QString& spinName, const QString& keys, bool byReturn) {
    auto* spin = Find<QSpinBox>(page, spinName);
    spin->setValue(42); // the value before, which must not be what is saved
    spin->setFocus();
    TypeInto(page, spinName, keys);
    if (byReturn)
        QTest::keyClick(spin->findChild<QLineEdit*>(), Qt::Key_Return);
    else
        QTest::mouseClick(Find<QWidget>(page, kOkButtons.at(page->objectName())), Qt::LeftButton);
}

const QStringList kPages = {"FirstBox",  "SecondBox", "ThirdBox",
                            "FourthBox", "FifthBox",  "SixthBox"};

void PressOk(QWidget* page) {
    Click(page, page->objectName() == "FourthBox" ? "Button2" : "Button1");
}

void PressBack(QWidget* page) {
    Click(page, "BackButton");
}

bool Contains(const MissionLines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

} // namespace

class WizardPagesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<AppWindows> windows_;

    MissionSettings& Mission() { return windows_->Mission(); }
    WizardRun Run() { return WizardRun(*windows_); }

private slots:
    void init() {
        windows_ = std::make_unique<AppWindows>();
        windows_->StartBox().show();
    }
    void cleanup() { windows_.reset(); }

    // Closing a page (its close control, Alt+F4) after anything was typed in the mission asks
    // first, "No" the default and keeping the page; typing on a page left by "< Back" and in the
    // advanced dialog counts. A mission with nothing typed closes unasked.
    void closingAPageAfterTypingAsksFirst_data() {
        QTest::addColumn<QString>("typedOn"); // none: nothing typed
        QTest::addColumn<QString>("closed");
        QTest::newRow("nothing typed") << ""
                                       << "FifthBox";
        QTest::newRow("typed, then undone") << "undone"
                                            << "SecondBox";
        QTest::newRow("title") << "SecondBox"
                               << "SecondBox";
        QTest::newRow("story, then back") << "ThirdBox"
                                          << "SecondBox";
        QTest::newRow("welcome page, after going back") << "SecondBox"
                                                        << "FirstBox";
        QTest::newRow("advanced dialog") << "FourthBox"
                                         << "FourthBox";
        QTest::newRow("another event's text") << "FifthBox"
                                              << "FifthBox";
        QTest::newRow("finish page") << "SixthBox"
                                     << "SixthBox";
    }
    void closingAPageAfterTypingAsksFirst() {
        QFETCH(QString, typedOn);
        QFETCH(QString, closed);
        const std::map<QString, Action> typing = {
            {"undone",
             [](QWidget* w) {
                 auto* title = Find<QLineEdit>(w, "TitleBox");
                 QTest::keyClick(title, Qt::Key_End);
                 QTest::keyClicks(title, "x");
                 QTest::keyClick(title, Qt::Key_Backspace);
             }},
            {"SecondBox",
             [](QWidget* w) { QTest::keyClicks(Find<QLineEdit>(w, "TitleBox"), "x"); }},
            {"ThirdBox",
             [](QWidget* w) {
                 QTest::keyClicks(Find<QPlainTextEdit>(w, "BackgroundStoryBox"), "x");
             }},
            {"FourthBox", [](QWidget* w) { static_cast<TFourthBox*>(w)->GoToAdvanced(2); }},
            {"FifthBox",
             [](QWidget* w) {
                 QTest::keyClicks(Find<QLineEdit>(w, "HeadingBox"), "x");
                 Pick(w, "ComboBox981", "Failed");
             }},
            {"SixthBox",
             [](QWidget* w) { QTest::keyClicks(Find<QLineEdit>(w, "MissionName"), "x"); }},
        };
        const QString typedPage = typedOn == "undone" ? "SecondBox" : typedOn;
        const qsizetype last = std::max(kPages.indexOf(typedPage), kPages.indexOf(closed));
        const bool asks = !typedOn.isEmpty() && typedOn != "undone";
        bool keptOpen = false;
        ModalDriver driver;
        for (qsizetype i = 0; i <= last; ++i) {
            driver.When(kPages[i], [&, i](QWidget* w) {
                if (kPages[i] == typedPage)
                    typing.at(typedOn)(w);
                if (i < last)
                    PressOk(w);
                else if (kPages[i] != closed)
                    PressBack(w);
                else
                    w->close();
            });
            if (kPages[i] == typedPage && typedOn == "FourthBox")
                driver.When("AdvancedAIOptions", [](QWidget* w) {
                    Find<QListWidget>(w, "ListBox1")->setCurrentRow(0);
                    Pick(w, "ComboBox1", "3");
                    w->close();
                });
        }
        for (qsizetype i = last - 1; i >= kPages.indexOf(closed); --i)
            driver.When(kPages[i], [&, i](QWidget* w) {
                if (kPages[i] == closed)
                    w->close();
                else
                    PressBack(w);
            });
        if (asks)
            driver
                .OnMessageBox([](QMessageBox* box) {
                    QCOMPARE(box->icon(), QMessageBox::Question);
                    QCOMPARE(box->text(),
                             QStringLiteral("Abandon this mission? What you typed is lost."));
                    QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
                    QTest::keyClick(box, Qt::Key_Return); // "No", the default
                })
                .When(closed,
                      [&keptOpen](QWidget* w) {
                          keptOpen = w->isVisible();
                          w->close();
                      })
                .Answer(QMessageBox::Yes);
        Click(&windows_->StartBox(), "Button1");
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        QCOMPARE(keptOpen, asks);
        QCOMPARE(driver.Seen().filter("MessageBox").size(), asks ? 2 : 0);
        for (const QString& page : kPages) {
            const QWidget* window = TopLevel(page); // none when never made
            QVERIFY2(!window || !window->isVisible(), qPrintable(page));
        }
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void theWorkedExampleEnteredByHandGivesItsLines() {
        const MissionLines lines =
            Run()
                .On("SecondBox",
                    [](QWidget* w) {
                        TypeInto(w, "MissionNumberBox", "2");
                        Pick(w, "RandomGeysersBox", "False");
                    })
                .On("FourthBox",
                    [](QWidget* w) {
                        TypeInto(w, "MyStartMoneyBox", "1000");
                        Click(w, "CheckBox1");
                        ShowTab(w, "AI2");
                        Click(w, "EnableAI2");
                        Click(w, "CheckBox2");
                        TypeInto(w, "AI2StartMoneyBox", "500");
                        Click(w, "AdvancedButton2");
                    })
                .Then("FourthBox", "AdvancedAIOptions",
                      [](QWidget* w) {
                          auto* options = Find<QListWidget>(w, "ListBox1");
                          const QStringList values = {"3", "", "4", "2", "2"};
                          for (int row : {0, 2, 3, 4}) {
                              options->setCurrentRow(row);
                              Pick(w, "ComboBox1", values[row]);
                          }
                          Click(w, "Button2");
                      })
                .On("FifthBox",
                    [](QWidget* w) {
                        auto* heading = Find<QLineEdit>(w, "HeadingBox");
                        auto* text = Find<QPlainTextEdit>(w, "TextBox");
                        QTest::keyClicks(heading, "Victory");
                        QTest::keyClicks(text, "The enemy temple has fallen.");
                        Pick(w, "ComboBox981", "Failed");
                        QTest::keyClicks(heading, "Defeat");
                        QTest::keyClicks(text, "Your priest is lost.");
                        Pick(w, "ComboBox981", "TempleDead");
                        QTest::keyClicks(heading, "Temple destroyed");
                    })
                .Finish({true, false, true, "mission3"});
        QCOMPARE(lines.size(), std::size_t(52));
        for (std::size_t i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], kWorkedExampleLines[i]);
    }

    void defaultsAreCapturedAsTheirTextForms() {
        Run().Finish();
        const GeneralDetails& general = Mission().general;
        QCOMPARE(general.missionType, std::string("Tutorial"));
        QCOMPARE(general.title, std::string("My Map"));
        QCOMPARE(general.missionNumber, std::string("1"));
        QCOMPARE(general.moreGeysers, std::string("1"));
        QCOMPARE(general.randGeysers, std::string("1"));
        QCOMPARE(Mission().entryBox.QuoteTextBox,
                 std::string("\"Why of course my maps are the best!\""));
        QCOMPARE(Mission().entryBox.QuoteAuthorBox, std::string("The Mapmaker"));
        QCOMPARE(
            Mission().entryBox.BackgroundStoryBox,
            std::string("You were living happily but then you got attacked and had to fight."));
        QCOMPARE(Mission().player.myStartMoney, std::string("0"));
        QCOMPARE(Mission().player.myTech, std::string());
        QCOMPARE(Mission().player.myAllyList, std::string());
        for (int side = kFirstOpponent; side <= kLastOpponent; ++side) {
            const Opponent& ai = Mission().opponent(side);
            QCOMPARE(ai.name, "Badguy #" + std::to_string(side - 1));
            QCOMPARE(ai.startMoney, std::string("0"));
            QVERIFY(ai.tech.empty() && ai.allyList.empty() && !ai.enabled);
        }
    }

    void pagesCaptureWhatWasTypedByTheirRules() {
        Run()
            .On("SecondBox",
                [](QWidget* w) {
                    Find<QLineEdit>(w, "TitleBox")
                        ->setText(QString::fromUtf8("Caf\u00e9 \u2713 \"x\""));
                    TypeInto(w, "MissionNumberBox", "150"); // left as typed: OK settles it
                    Find<QComboBox>(w, "MoreGeysersBox")->setEditText("true");
                    Pick(w, "RandomGeysersBox", "False");
                })
            .On("ThirdBox",
                [](QWidget* w) {
                    Find<QLineEdit>(w, "QuoteAuthorBox")->clear();
                    auto* story = Find<QPlainTextEdit>(w, "BackgroundStoryBox");
                    story->clear();
                    QTest::keyClicks(story, "first");
                    QTest::keyClick(story, Qt::Key_Return);
                    QTest::keyClicks(story, "second");
                })
            .On("FourthBox",
                [](QWidget* w) {
                    TypeInto(w, "MyStartMoneyBox", "3000000");
                    TypeInto(w, "AI4StartMoneyBox", "");
                    Find<QLineEdit>(w, "AI5NameBox")->setText("  Evil \"Ed\"");
                })
            .Finish();
        QCOMPARE(Mission().general.title, std::string("Caf\xe9 ? \"x\""));
        QCOMPARE(Mission().general.missionNumber, std::string("99"));
        QCOMPARE(Mission().general.moreGeysers, std::string("0"));
        QCOMPARE(Mission().general.randGeysers, std::string("0"));
        QCOMPARE(Mission().entryBox.QuoteAuthorBox, std::string());
        QCOMPARE(Mission().entryBox.BackgroundStoryBox, std::string("first\r\nsecond"));
        QCOMPARE(Mission().player.myStartMoney, std::string("2500000"));
        QCOMPARE(Mission().opponent(4).startMoney, std::string("0"));
        QCOMPARE(Mission().opponent(5).name, std::string("  Evil \"Ed\""));
    }

    void anEmptyMissionNumberCountsAsOne() {
        Run().On("SecondBox", [](QWidget* w) { TypeInto(w, "MissionNumberBox", ""); }).Finish();
        QCOMPARE(Mission().general.missionNumber, std::string("1"));
    }

    void aSecondMissionStartsEveryPageFromItsDefaults() {
        Run()
            .On("SecondBox",
                [](QWidget* w) {
                    Find<QLineEdit>(w, "TitleBox")->setText("Other");
                    TypeInto(w, "MissionNumberBox", "7");
                    Pick(w, "MoreGeysersBox", "False");
                })
            .On("ThirdBox",
                [](QWidget* w) {
                    Find<QLineEdit>(w, "QuoteTextBox")->setText("q");
                    Find<QPlainTextEdit>(w, "BackgroundStoryBox")->setPlainText("s");
                })
            .On("FourthBox",
                [](QWidget* w) {
                    TypeInto(w, "MyStartMoneyBox", "300");
                    Click(w, "CheckBox1");
                    Tick(w, "MyAllyListBox", {"AI #2"});
                    ShowTab(w, "AI6");
                    Click(w, "EnableAI6");
                    Click(w, "CheckBox6");
                    Find<QLineEdit>(w, "AI6NameBox")->setText("Zed");
                })
            .On("FifthBox",
                [](QWidget* w) {
                    Pick(w, "ComboBox981", "PriestDead");
                    Pick(w, "aiBox", "ai6");
                    QTest::keyClicks(Find<QLineEdit>(w, "HeadingBox"), "gone");
                    // Typed over the first items, which stay current.
                    Pick(w, "aiBox", "ai2");
                    Find<QComboBox>(w, "aiBox")->setEditText("ai");
                    Pick(w, "ComboBox981", "Succeeded");
                    Find<QComboBox>(w, "ComboBox981")->setEditText("Nope");
                })
            .Finish();
        QVERIFY(Mission().opponent(6).enabled);
        QCOMPARE(Mission().events.of(6, OpponentEvent::PriestDead).heading, std::string("gone"));

        Run()
            .On("SecondBox",
                [](QWidget* w) {
                    QCOMPARE(Find<QLineEdit>(w, "TitleBox")->text(), QStringLiteral("My Map"));
                    QCOMPARE(Find<QSpinBox>(w, "MissionNumberBox")->value(), 1);
                    QCOMPARE(Find<QComboBox>(w, "MoreGeysersBox")->currentText(),
                             QStringLiteral("True"));
                })
            .On("ThirdBox",
                [](QWidget* w) {
                    QCOMPARE(Find<QLineEdit>(w, "QuoteTextBox")->text(),
                             QStringLiteral("\"Why of course my maps are the best!\""));
                })
            .On("FourthBox",
                [this](QWidget* w) {
                    // The page opens where it was left; the opponent no longer takes part.
                    QCOMPARE(Find<QTabWidget>(w, "TabbedNotebook1")
                                 ->tabText(Find<QTabWidget>(w, "TabbedNotebook1")->currentIndex()),
                             QStringLiteral("AI6"));
                    QVERIFY(!Mission().opponent(6).enabled);
                    QVERIFY(!Find<QCheckBox>(w, "EnableAI6")->isChecked());
                    QVERIFY(!Find<QLineEdit>(w, "AI6NameBox")->isEnabled());
                    QCOMPARE(TickedCount(Find<QListWidget>(w, "AI6TechBox")), 0);
                    QCOMPARE(TickedCount(Find<QListWidget>(w, "MyTechBox")), 0);
                    QVERIFY(!Find<QCheckBox>(w, "CheckBox1")->isChecked());
                })
            .On("FifthBox",
                [this](QWidget* w) {
                    QCOMPARE(Find<QComboBox>(w, "ComboBox981")->currentText(),
                             QStringLiteral("Succeeded"));
                    QCOMPARE(Find<QComboBox>(w, "aiBox")->currentText(), QStringLiteral("ai2"));
                    QVERIFY(!Find<QComboBox>(w, "aiBox")->isEnabled());
                    QVERIFY(Mission().events.of(6, OpponentEvent::PriestDead).heading.empty());
                })
            .Finish();
        QCOMPARE(Mission().general.title, std::string("My Map"));
        QCOMPARE(Mission().general.missionNumber, std::string("1"));
        QCOMPARE(Mission().general.moreGeysers, std::string("1"));
        QCOMPARE(Mission().entryBox.QuoteTextBox,
                 std::string("\"Why of course my maps are the best!\""));
        QCOMPARE(Mission().player.myTech, std::string());
        QCOMPARE(Mission().player.myAllyList, std::string());
        QCOMPARE(Mission().opponent(6).name, std::string("Badguy #5"));
        QCOMPARE(Mission().opponent(6).tech, std::string());
    }

    void enablingAnOpponentIsLiveAndDisablingGreysButKeeps() {
        const MissionLines lines =
            Run()
                .On("FourthBox",
                    [this](QWidget* w) {
                        auto* names = Find<QLineEdit>(w, "AI3NameBox");
                        auto* tech = Find<QListWidget>(w, "AI3TechBox");
                        auto* allies = Find<QListWidget>(w, "AI3AllyListBox");
                        const QColor grey(128, 128, 128);
                        QVERIFY(!names->isEnabled() && !tech->isEnabled());
                        QCOMPARE(tech->item(0)->foreground().color(), grey);
                        ShowTab(w, "AI3");
                        Click(w, "EnableAI3");
                        QVERIFY(Mission().opponent(3).enabled);
                        for (const char* name : {"AI3NameBox", "AI3StartMoneyBox", "AI3AllyListBox",
                                                 "AI3TechBox", "AdvancedButton3"})
                            QVERIFY2(Find<QWidget>(w, name)->isEnabled(), name);
                        QCOMPARE(allies->item(0)->foreground().color(), QColor(Qt::black));
                        names->setText("Kept");
                        Tick(w, "AI3AllyListBox", {"AI #4"});
                        Click(w, "EnableAI3");
                        QVERIFY(!Mission().opponent(3).enabled);
                        QVERIFY(!names->isEnabled() && !allies->isEnabled());
                        QCOMPARE(allies->item(3)->foreground().color(), grey);
                        QCOMPARE(names->text(), QStringLiteral("Kept"));
                        QVERIFY(Find<QCheckBox>(w, "CheckBox3")->isEnabled());
                        // "All technology" still works on the greyed list.
                        Click(w, "CheckBox3");
                        QCOMPARE(TickedCount(tech), 26);
                    })
                .Finish();
        QCOMPARE(Mission().opponent(3).name, std::string("Kept"));
        QCOMPARE(Mission().opponent(3).allyList, std::string("5;"));
        QCOMPARE(Mission().opponent(3).tech, std::string("all"));
        QVERIFY(!Contains(lines, "ai3Name = \"Kept\""));
        QCOMPARE(lines.size(), std::size_t(37));
    }

    void allTechnologyTicksUnticksAndWins() {
        Run()
            .On("FourthBox",
                [](QWidget* w) {
                    auto* tech = Find<QListWidget>(w, "MyTechBox");
                    tech->item(0)->setCheckState(Qt::Checked);
                    Click(w, "CheckBox1");
                    QCOMPARE(TickedCount(tech), 26);
                    tech->item(3)->setCheckState(Qt::Unchecked);
                    Click(w, "CheckBox1");
                    QCOMPARE(TickedCount(tech), 0);
                    Click(w, "CheckBox1");
                    tech->item(5)->setCheckState(Qt::Unchecked);
                    // AI8: all ticked one by one is a list, not "all".
                    auto* ai8 = Find<QListWidget>(w, "AI8TechBox");
                    for (int row = 0; row < ai8->count(); ++row)
                        ai8->item(row)->setCheckState(Qt::Checked);
                })
            .Finish();
        QCOMPARE(Mission().player.myTech, std::string("all"));
        QCOMPARE(Mission().opponent(8).tech.size(), std::size_t(293));
        QVERIFY(Mission().opponent(8).tech.rfind("rainFence;windBalloon;", 0) == 0);
    }

    void listsAreEncodedByItemAndByOwner() {
        Run()
            .On("FourthBox",
                [](QWidget* w) {
                    auto* playerTech = Find<QListWidget>(w, "MyTechBox");
                    QCOMPARE(playerTech->item(14)->text(), QStringLiteral("Sail Skater"));
                    QCOMPARE(playerTech->item(15)->text(), QStringLiteral("Stone Tower"));
                    QCOMPARE(Find<QListWidget>(w, "AI2TechBox")->item(19)->text(),
                             QStringLiteral("Sail Skater"));
                    Tick(w, "MyTechBox", {"Stone Tower", "Sail Skater"});
                    Tick(w, "AI7TechBox", {"Sail Skater", "Stone Tower"});
                    Tick(w, "MyAllyListBox", {"AI #1", "AI #3"});
                    Tick(w, "AI8AllyListBox", {"Player", "AI #6"});
                    Tick(w, "AI5AllyListBox",
                         {"Player", "AI #1", "AI #2", "AI #3", "AI #5", "AI #6", "AI #7"});
                })
            .Finish();
        QCOMPARE(Mission().player.myTech, std::string("sunBlocker;windWalker;"));
        QCOMPARE(Mission().opponent(7).tech, std::string("sunBlocker;windWalker;"));
        QCOMPARE(Mission().player.myAllyList, std::string("2;4;"));
        QCOMPARE(Mission().opponent(8).allyList, std::string("1;7;"));
        QCOMPARE(Mission().opponent(5).allyList, std::string("1;2;3;4;6;7;8;"));
    }

    void advancedValuesReachTheSlotOfTheActiveTab() {
        Run()
            .On("FourthBox",
                [](QWidget* w) {
                    ShowTab(w, "AI5");
                    Click(w, "EnableAI5");
                    TypeInto(w, "AI5StartMoneyBox", "700");
                    Click(w, "AdvancedButton5");
                    // Back from the dialog, the page is as it was.
                    QCOMPARE(Find<QSpinBox>(w, "AI5StartMoneyBox")->value(), 700);
                    QVERIFY(Find<QCheckBox>(w, "EnableAI5")->isChecked());
                })
            .Then("FourthBox", "AdvancedAIOptions",
                  [](QWidget* w) {
                      QCOMPARE(Find<QLabel>(w, "Label5")->text(), QStringLiteral("For AI5..."));
                      QCOMPARE(Find<QListWidget>(w, "ListBox1")->currentRow(), -1);
                      QVERIFY(Find<QWidget>(w, "ComboBox1")->isVisible());
                      QVERIFY(!Find<QWidget>(w, "AbilityBox")->isVisible());
                      auto* options = Find<QListWidget>(w, "ListBox1");
                      options->setCurrentRow(4);
                      Pick(w, "ComboBox1", "2");
                      options->setCurrentRow(0);
                      QCOMPARE(Find<QComboBox>(w, "ComboBox1")->count(), 5);
                      Pick(w, "ComboBox1", "4");
                      options->setCurrentRow(2);
                      Find<QComboBox>(w, "ComboBox1")->setEditText("7"); // typed, kept too
                      options->setCurrentRow(1);
                      QVERIFY(Find<QWidget>(w, "AbilityBox")->isVisible());
                      QVERIFY(!Find<QWidget>(w, "ComboBox1")->isVisible());
                      Pick(w, "AbilityBox", "CONCENTRATE_FIRE");
                      Pick(w, "AbilityValueBox", "False");
                      Pick(w, "AbilityBox", "BUILD_DAIS");
                      Find<QComboBox>(w, "AbilityValueBox")->setEditText("false");
                      Click(w, "Button2");
                  })
            .Finish();
        const AdvancedValues& ai5 = Mission().advancedOf(5);
        QCOMPARE(ai5.TimeBetweenMoves, std::string("2"));
        QCOMPARE(ai5.Collectors, std::string("4"));
        QCOMPARE(ai5.BridgeDrawRate, std::string("7"));
        QCOMPARE(ai5.GeyserAttachments, std::string());
        QCOMPARE(ai5.Ability, std::string("!CONCENTRATE_FIRE;"));
        for (int side : {2, 3, 4, 6, 7, 8}) {
            const AdvancedValues& other = Mission().advancedOf(side);
            QVERIFY(other.Collectors.empty() && other.Ability.empty() &&
                    other.TimeBetweenMoves.empty());
        }
    }

    void reopeningTheDialogShowsEachOpponentItsOwnValues() {
        auto openFor = [](const QString& tab) {
            return [tab](QWidget* w) {
                ShowTab(w, tab);
                Click(w, "Enable" + tab);
                Click(w, "AdvancedButton" + tab.mid(2));
            };
        };
        auto pick = [](int row, const QString& value) {
            return [row, value](QWidget* w) {
                Find<QListWidget>(w, "ListBox1")->setCurrentRow(row);
                Pick(w, "ComboBox1", value);
            };
        };
        Run()
            .On("FourthBox",
                [&](QWidget* w) {
                    openFor("AI2")(w);
                    openFor("AI3")(w);
                    ShowTab(w, "AI2");
                    Click(w, "AdvancedButton2");
                })
            .Then("FourthBox", "AdvancedAIOptions",
                  [&](QWidget* w) {
                      pick(0, "3")(w);
                      Find<QListWidget>(w, "ListBox1")->setCurrentRow(1);
                      Pick(w, "AbilityBox", "CONCENTRATE_FIRE");
                      Pick(w, "AbilityValueBox", "False");
                      Click(w, "Button2");
                  })
            .Then("FourthBox", "AdvancedAIOptions",
                  [&](QWidget* w) {
                      // A new opponent shows its own empty values, not the ones picked last.
                      QCOMPARE(Find<QLabel>(w, "Label5")->text(), QStringLiteral("For AI3..."));
                      QCOMPARE(Find<QComboBox>(w, "AbilityValueBox")->currentText(),
                               QStringLiteral("True"));
                      Find<QListWidget>(w, "ListBox1")->setCurrentRow(0);
                      QCOMPARE(Find<QComboBox>(w, "ComboBox1")->currentText(), QString());
                      pick(2, "5")(w);
                      Click(w, "Button2");
                  })
            .Then("FourthBox", "AdvancedAIOptions",
                  [&](QWidget* w) {
                      // Back to AI2: its own values are shown and kept on OK.
                      QCOMPARE(Find<QLabel>(w, "Label5")->text(), QStringLiteral("For AI2..."));
                      Find<QListWidget>(w, "ListBox1")->setCurrentRow(1);
                      QCOMPARE(Find<QComboBox>(w, "AbilityBox")->currentText(),
                               QStringLiteral("CONCENTRATE_FIRE"));
                      QCOMPARE(Find<QComboBox>(w, "AbilityValueBox")->currentText(),
                               QStringLiteral("False"));
                      Find<QListWidget>(w, "ListBox1")->setCurrentRow(0);
                      QCOMPARE(Find<QComboBox>(w, "ComboBox1")->currentText(), QStringLiteral("3"));
                      Click(w, "Button2");
                  })
            .Finish();
        QCOMPARE(Mission().advancedOf(2).Ability, std::string("!CONCENTRATE_FIRE;"));
        QCOMPARE(Mission().advancedOf(2).Collectors, std::string("3"));
        QCOMPARE(Mission().advancedOf(2).BridgeDrawRate, std::string());
        QCOMPARE(Mission().advancedOf(3).Collectors, std::string());
        QCOMPARE(Mission().advancedOf(3).BridgeDrawRate, std::string("5"));
        QCOMPARE(Mission().advancedOf(3).Ability, std::string());

        // Kept into the next mission of the run; closing the dialog keeps every change.
        Run()
            .On("FourthBox",
                [&](QWidget* w) {
                    ShowTab(w, "AI2");
                    Click(w, "EnableAI2");
                    Click(w, "AdvancedButton2");
                })
            .Then("FourthBox", "AdvancedAIOptions",
                  [&](QWidget* w) {
                      pick(3, "4")(w);
                      Find<QListWidget>(w, "ListBox1")->setCurrentRow(1);
                      Pick(w, "AbilityValueBox", "True");
                      w->close();
                  })
            .Finish();
        QCOMPARE(Mission().advancedOf(2).GeyserAttachments, std::string("4"));
        QCOMPARE(Mission().advancedOf(2).Ability, std::string());
        QCOMPARE(Mission().advancedOf(3).BridgeDrawRate, std::string("5"));
    }

    // Each opponent's own values, an empty one as empty; a whole number typed is stored as a
    // picked one is, anything else is refused where it is typed; Escape keeps every change.
    void theDialogShowsAndStoresWhatEachOpponentHas() {
        const auto select = [](QWidget* w, const char* option) {
            auto* options = Find<QListWidget>(w, "ListBox1");
            options->setCurrentItem(options->findItems(option, Qt::MatchExactly).value(0));
        };
        Run()
            .On("FourthBox",
                [this](QWidget* w) {
                    for (const QString tab : {"AI2", "AI3", "AI4"}) {
                        ShowTab(w, tab);
                        Click(w, "Enable" + tab);
                    }
                    Mission().advancedOf(4).Collectors = "20"; // as an opened file may hold it
                    for (const QString tab : {"AI2", "AI3", "AI4"}) {
                        ShowTab(w, tab);
                        Click(w, "AdvancedButton" + tab.mid(2));
                    }
                })
            .Then("FourthBox", "AdvancedAIOptions",
                  [&](QWidget* w) {
                      select(w, "Collectors");
                      Pick(w, "ComboBox1", "3");
                      Click(w, "Button2");
                  })
            .Then("FourthBox", "AdvancedAIOptions",
                  [&](QWidget* w) {
                      auto* box = Find<QComboBox>(w, "ComboBox1");
                      QCOMPARE(box->currentText(), QString()); // AI3's own Collectors
                      select(w, "BridgeDrawRate");
                      QTest::keyClicks(box->lineEdit(), "7");
                      select(w, "TimeBetweenMoves");
                      QTest::keyClicks(box->lineEdit(), "0x");
                      QCOMPARE(box->currentText(), QStringLiteral("0"));
                      QVERIFY(QToolTip::isVisible());
                      QCOMPARE(QToolTip::text(),
                               QStringLiteral("Type a whole number here, such as 20."));
                      select(w, "BridgeDrawRate");
                      QCOMPARE(box->currentText(), QStringLiteral("7"));
                      QCOMPARE(box->count(), 8); // the offered values stay as they were
                      select(w, "Ability");
                      Pick(w, "AbilityBox", "BUILD_BRIDGES");
                      Pick(w, "AbilityValueBox", "False");
                      QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
                      QVERIFY(!w->isVisible());
                  })
            .Then("FourthBox", "AdvancedAIOptions",
                  [&](QWidget* w) {
                      select(w, "Collectors");
                      QCOMPARE(Find<QComboBox>(w, "ComboBox1")->currentText(),
                               QStringLiteral("20"));
                      Click(w, "Button2");
                  })
            .Finish();
        QCOMPARE(Mission().advancedOf(2), (AdvancedValues{"3", "", "", "", ""}));
        QCOMPARE(Mission().advancedOf(3), (AdvancedValues{"", "!BUILD_BRIDGES;", "7", "", "0"}));
        QCOMPARE(Mission().advancedOf(4), (AdvancedValues{"20", "", "", "", ""}));
    }

    // Up and Down step from the value shown, whether it was stored, typed or is no offered one,
    // and store what they show.
    void arrowKeysInTheValueBoxStepFromTheValueShown() {
        struct Step {
            const char* option;
            const char* shown; // typed over the box; none: as the opponent holds it
            Qt::Key key;
            const char* reached;
        };
        const Step steps[] = {
            {"Collectors", nullptr, Qt::Key_Down, "4"}, // holds 3
            {"Collectors", nullptr, Qt::Key_Up, "3"},
            {"Collectors", nullptr, Qt::Key_Up, "2"},
            {"Collectors", "5", Qt::Key_Down, "5"}, // the last stays
            {"Collectors", "1", Qt::Key_Up, "1"},
            {"Collectors", "20", Qt::Key_Up, "5"},          // a file's value above the offered ones
            {"BridgeDrawRate", nullptr, Qt::Key_Down, "1"}, // empty: the first
            {"BridgeDrawRate", nullptr, Qt::Key_PageDown, "2"},
            {"TimeBetweenMoves", "0", Qt::Key_Down, "1"},
        };
        Run()
            .On("FourthBox",
                [this](QWidget* w) {
                    ShowTab(w, "AI2");
                    Click(w, "EnableAI2");
                    Mission().advancedOf(2).Collectors = "3";
                    Click(w, "AdvancedButton2");
                })
            .Then("FourthBox", "AdvancedAIOptions",
                  [&](QWidget* w) {
                      auto* options = Find<QListWidget>(w, "ListBox1");
                      auto* box = Find<QComboBox>(w, "ComboBox1");
                      for (const Step& step : steps) {
                          options->setCurrentItem(
                              options->findItems(step.option, Qt::MatchExactly).value(0));
                          box->setFocus();
                          if (step.shown) {
                              box->lineEdit()->selectAll();
                              QTest::keyClicks(box->lineEdit(), step.shown);
                          }
                          QTest::keyClick(box, step.key);
                          QCOMPARE(box->currentText(), QString(step.reached));
                          const AdvancedValues& held = Mission().advancedOf(2);
                          QCOMPARE(QString::fromStdString(step.option[0] == 'C' ? held.Collectors
                                                          : step.option[0] == 'B'
                                                              ? held.BridgeDrawRate
                                                              : held.TimeBetweenMoves),
                                   QString(step.reached));
                      }
                      Click(w, "Button2");
                  })
            .Finish();
        QCOMPARE(Mission().advancedOf(2), (AdvancedValues{"5", "", "2", "", "1"}));
    }

    void typedAbilityNamesCompleteButOnlyWholeNamesSelect() {
        Run()
            .On("FourthBox",
                [](QWidget* w) {
                    ShowTab(w, "AI4");
                    Click(w, "EnableAI4");
                    Click(w, "AdvancedButton4");
                })
            .Then("FourthBox", "AdvancedAIOptions",
                  [](QWidget* w) {
                      Find<QListWidget>(w, "ListBox1")->setCurrentRow(1);
                      auto* ability = Find<QComboBox>(w, "AbilityBox");
                      auto* description = Find<QPlainTextEdit>(w, "AbilityDescription");
                      Pick(w, "AbilityBox", "CONCENTRATE_FIRE");
                      Pick(w, "AbilityValueBox", "False");
                      ability->lineEdit()->selectAll();
                      QTest::keyClick(ability->lineEdit(), Qt::Key_Backspace);
                      QTest::keyClicks(ability->lineEdit(), "BUILD_D");
                      QCOMPARE(ability->currentText(), QStringLiteral("BUILD_DAIS"));
                      // The completed name is the ability shown: its description, its value.
                      QCOMPARE(description->toPlainText(),
                               QStringLiteral("Whether or not the AI can build an altar."));
                      QCOMPARE(Find<QComboBox>(w, "AbilityValueBox")->currentText(),
                               QStringLiteral("True"));
                      Pick(w, "AbilityValueBox", "False");
                      Click(w, "Button2");
                  })
            .Finish();
        QCOMPARE(Mission().advancedOf(4).Ability, std::string("!CONCENTRATE_FIRE;!BUILD_DAIS;"));
    }

    void numberBoxesSaveWhatWasTypedHoweverThePageIsLeft() {
        struct Case {
            QString number, money;
            bool byReturn;
            std::string numberSaved, moneySaved;
        };
        const Case cases[] = {
            {"150", "3000000", true, "99", "2500000"},
            {"", "+500", true, "1", "500"},
            {"+7", "", false, "7", "0"},
            {"150", "3000000", false, "99", "2500000"},
            // Grouped as the program's language groups digits, as the box itself accepts them.
            {" 8", "1" + QLocale().groupSeparator() + "000", true, "8", "1000"},
        };
        for (const Case& c : cases) {
            Run()
                .On("SecondBox",
                    [&c](QWidget* w) { TypeAndLeave(w, "MissionNumberBox", c.number, c.byReturn); })
                .On("FourthBox",
                    [&c](QWidget* w) { TypeAndLeave(w, "MyStartMoneyBox", c.money, c.byReturn); })
                .Finish();
            const QByteArray what = (c.number + "/" + c.money).toUtf8();
            QVERIFY2(Mission().general.missionNumber == c.numberSaved, what);
            QVERIFY2(Mission().player.myStartMoney == c.moneySaved, what);
        }
    }

    void aCompletedEventChoiceShowsAndTakesItsOwnSlot() {
        Run()
            .On("FifthBox",
                [this](QWidget* w) {
                    auto* heading = Find<QLineEdit>(w, "HeadingBox");
                    auto* chooser = Find<QComboBox>(w, "ComboBox981")->lineEdit();
                    auto typeChoice = [chooser](const QString& keys) {
                        chooser->selectAll();
                        QTest::keyClick(chooser, Qt::Key_Backspace);
                        QTest::keyClicks(chooser, keys);
                    };
                    Pick(w, "ComboBox981", "Failed");
                    QTest::keyClicks(heading, "Lost");
                    Pick(w, "ComboBox981", "Succeeded");
                    QTest::keyClicks(heading, "Won");

                    typeChoice("F"); // completed to "Failed"
                    QCOMPARE(chooser->text(), QStringLiteral("Failed"));
                    QCOMPARE(heading->text(), QStringLiteral("Lost"));
                    QTest::keyClicks(heading, "!");

                    typeChoice("Temple"); // completed to "TempleHalfDead"
                    QVERIFY(Find<QComboBox>(w, "aiBox")->isEnabled());
                    QCOMPARE(heading->text(), QString());
                    QTest::keyClicks(heading, "Half");
                    QCOMPARE(Mission().events.of(2, OpponentEvent::TempleHalfDead).heading,
                             std::string("Half"));
                })
            .Finish();
        QCOMPARE(Mission().events.Succeeded.heading, std::string("Won"));
        QCOMPARE(Mission().events.Failed.heading, std::string("Lost!"));
    }

    void theOptionsListSelectsByKeysAsByClicksAndStoresOnlyTheSelectedOne() {
        Run()
            .On("FourthBox",
                [](QWidget* w) {
                    ShowTab(w, "AI3");
                    Click(w, "EnableAI3");
                    Click(w, "AdvancedButton3");
                })
            .Then("FourthBox", "AdvancedAIOptions",
                  [](QWidget* w) {
                      auto* options = Find<QListWidget>(w, "ListBox1");
                      auto* values = Find<QComboBox>(w, "ComboBox1");
                      options->setFocus(Qt::TabFocusReason);
                      QTRY_VERIFY(options->hasFocus());
                      QVERIFY(options->selectedItems().isEmpty());
                      QCOMPARE(values->count(), 0); // nothing shown

                      QTest::keyClick(options, Qt::Key_Down);
                      QCOMPARE(options->selectedItems().size(), 1);
                      QCOMPARE(options->selectedItems().front()->text(),
                               QStringLiteral("Collectors"));
                      QCOMPARE(values->count(), 5);
                      QTest::keyClick(options, Qt::Key_Down);
                      QVERIFY(Find<QWidget>(w, "AbilityBox")->isVisible());
                      QTest::keyClick(options, Qt::Key_Down);
                      Pick(w, "ComboBox1", "5");
                      Click(w, "Button2");
                  })
            .Finish();
        QCOMPARE(Mission().advancedOf(3).Collectors, std::string());
        QCOMPARE(Mission().advancedOf(3).BridgeDrawRate, std::string("5"));
    }

    void eventChoosersAddressTheirSlots() {
        Run()
            .On("FifthBox",
                [this](QWidget* w) {
                    auto* heading = Find<QLineEdit>(w, "HeadingBox");
                    auto* text = Find<QPlainTextEdit>(w, "TextBox");
                    auto* ai = Find<QComboBox>(w, "aiBox");
                    Pick(w, "ComboBox981", "Failed");
                    QVERIFY(!ai->isEnabled());
                    Pick(w, "aiBox", "ai5");
                    QTest::keyClicks(heading, "Lost");
                    Pick(w, "aiBox", "ai7");
                    QCOMPARE(heading->text(), QStringLiteral("Lost"));
                    QTest::keyClicks(heading, "!");

                    Pick(w, "ComboBox981", "TempleDead");
                    QVERIFY(ai->isEnabled());
                    Pick(w, "aiBox", "ai3");
                    QTest::keyClicks(heading, "Down");
                    QTest::keyClicks(text, "first");
                    QTest::keyClick(text, Qt::Key_Return);
                    QTest::keyClicks(text, "second");
                    Pick(w, "aiBox", "ai4");
                    QCOMPARE(heading->text(), QString());
                    QCOMPARE(text->toPlainText(), QString());
                    Pick(w, "aiBox", "ai3");
                    QCOMPARE(heading->text(), QStringLiteral("Down"));
                    QCOMPARE(text->toPlainText(), QStringLiteral("first\nsecond"));

                    // A chooser text that is no item selects no slot.
                    Find<QComboBox>(w, "ComboBox981")->setEditText("Nothing");
                    QTest::keyClicks(heading, "X");
                    ai->setEditText("ai9");
                    Pick(w, "ComboBox981", "PriestSaved");
                    QTest::keyClicks(text, "Y");
                    QCOMPARE(Mission().events.of(3, OpponentEvent::TempleDead).heading,
                             std::string("Down"));
                    Pick(w, "ComboBox981", "Succeeded");
                    QVERIFY(!ai->isEnabled());
                })
            .Finish();
        const EventMessages& events = Mission().events;
        QCOMPARE(events.Failed.heading, std::string("Lost!"));
        QCOMPARE(events.of(3, OpponentEvent::TempleDead).text, std::string("first\r\nsecond"));
        QVERIFY(events.Succeeded.heading.empty() && events.Succeeded.text.empty());
        for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
            for (int kind = 0; kind < kOpponentEventCount; ++kind) {
                const EventMessage& slot = events.of(side, OpponentEvent(kind));
                if (side != 3 || kind != int(OpponentEvent::TempleDead))
                    QVERIFY(slot.heading.empty() && slot.text.empty());
            }
    }

    // A line of a text that would start a section: OK asks to put a space in front of it (Yes
    // the default); No keeps the page, that line selected. A text's first line follows "<p>"
    // and is left alone; so are the messages of an opponent that takes no part.
    void linesThatWouldStartASectionGetASpace() {
        const QString question = QStringLiteral(
            "%1 starts with \"[\", so the game would read it as the start of a new section. Put a "
            "space in front of it?");
        const auto asks = [question](const QString& line, QMessageBox::StandardButton answer) {
            return [question, line, answer](QMessageBox* box) {
                const bool asked = box->text() == question.arg(line) &&
                                   box->icon() == QMessageBox::Question &&
                                   box->defaultButton() == box->button(QMessageBox::Yes);
                box->button(answer)->click();
                QVERIFY2(asked, qPrintable(box->text()));
            };
        };
        ModalDriver driver;
        driver.When("FirstBox", [](QWidget* w) { Click(w, "Button1"); })
            .When("SecondBox", [](QWidget* w) { Click(w, "Button1"); })
            .When("ThirdBox",
                  [](QWidget* w) {
                      Find<QPlainTextEdit>(w, "BackgroundStoryBox")
                          ->setPlainText("[Intro] first\n[Chapter One]\nmore");
                      Click(w, "Button1");
                  })
            .OnMessageBox(asks("[Chapter One]", QMessageBox::No))
            .When("ThirdBox",
                  [](QWidget* w) {
                      auto* story = Find<QPlainTextEdit>(w, "BackgroundStoryBox");
                      QCOMPARE(story->textCursor().selectedText(), QStringLiteral("[Chapter One]"));
                      QCOMPARE(w->focusWidget(), story);
                      Click(w, "Button1");
                  })
            .OnMessageBox(asks("[Chapter One]", QMessageBox::Yes))
            .When("FourthBox", [](QWidget* w) { Click(w, "Button2"); })
            .When("FifthBox",
                  [](QWidget* w) {
                      Find<QPlainTextEdit>(w, "TextBox")->setPlainText("Won\n[Failed]");
                      Pick(w, "ComboBox981", "TempleDead");
                      Pick(w, "aiBox", "ai3"); // takes no part
                      Find<QPlainTextEdit>(w, "TextBox")->setPlainText("x\n[y");
                      Click(w, "Button1");
                  })
            .OnMessageBox(asks("[Failed]", QMessageBox::Yes))
            .When("SixthBox", [](QWidget* w) { w->close(); })
            .Answer(QMessageBox::Yes); // abandon the mission
        Click(&windows_->StartBox(), "Button1");
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        QCOMPARE(Mission().entryBox.BackgroundStoryBox,
                 std::string("[Intro] first\r\n [Chapter One]\r\nmore"));
        QCOMPARE(Mission().events.Succeeded.text, std::string("Won\r\n [Failed]"));
        QCOMPARE(Mission().events.of(3, OpponentEvent::TempleDead).text, std::string("x\r\n[y"));
    }
};

QTEST_MAIN(WizardPagesTest)
#include "test_wizard_pages.moc"
