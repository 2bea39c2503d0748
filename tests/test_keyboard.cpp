// The program from the keyboard, and where its windows open: Tab leaves every text box and
// passes read-only descriptions by, each page and the campaign editor open with the focus in
// their first box, Return presses the focused button of the start window and the campaign
// editor, Escape closes only what holds no work, Quit ends the program, and dialogs open
// centred over the window that opened them.
#include "ModalDriver.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"
#include "ui/app/Startup.h"
#include "ui/campaign/ViewCampaignSource.h"
#include "ui/pages/PageControls.h"
#include "ui/platform/DialogPlacement.h"
#include "ui/wizard/AdvancedAIOptions.h"
#include "ui/wizard/ViewSourceBox.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace vornask;
using namespace vornask::test;

namespace {

// The wizard's pages up to the events page, in order, each with its "OK" button.
const std::vector<std::pair<QString, QString>> kChain = {{"FirstBox", "Button1"},
                                                         {"SecondBox", "Button1"},
                                                         {"ThirdBox", "Button1"},
                                                         {"FourthBox", "Button2"},
                                                         {"FifthBox", "Button1"}};

// The text a control shows selected, or "(none)" for a control without text.
QString SelectedText(QWidget* control) {
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->selectedText();
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(control))
        return spin->findChild<QLineEdit*>()->selectedText();
    if (auto* box = qobject_cast<QComboBox*>(control))
        return box->lineEdit()->selectedText();
    return QStringLiteral("(none)");
}

// The control holding the focus in `window`, by name, with the text it shows selected.
QString FocusOf(QWidget* window) {
    QWidget* focus = window->focusWidget();
    if (!focus)
        return QStringLiteral("(no focus)");
    // The edit field inside a combo box or a spin box stands for its box.
    QWidget* box = focus->parentWidget();
    if (qobject_cast<QLineEdit*>(focus) &&
        (qobject_cast<QComboBox*>(box) || qobject_cast<QAbstractSpinBox*>(box)))
        focus = box;
    return focus->objectName() + QLatin1Char('|') + SelectedText(focus);
}

QPoint CentreOf(const QWidget* window) {
    return window->frameGeometry().center();
}

bool CentredOver(const QWidget* dialog, const QWidget* window) {
    return (CentreOf(dialog) - CentreOf(window)).manhattanLength() <= 4;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
    std::unique_ptr<AppWindows> windows_;

    // Walks the wizard from "New Mission" to the events page, recording on each page where
    // the focus is as it opens and running `act` before pressing "OK".
    QStringList WalkWizard(const std::function<void(const QString&, QWidget*)>& act) {
        QStringList focus;
        ModalDriver driver;
        for (const auto& [page, ok] : kChain)
            driver.When(page, [&focus, &act, page = page, ok = ok](QWidget* w) {
                focus << page + QLatin1Char(':') + FocusOf(w);
                act(page, w);
                Click(w, ok);
            });
        // Left as "Cancel" would: closing a page that holds typing asks first.
        driver.When("SixthBox", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        Click(&windows_->StartBox(), "Button1");
        if (!driver.Done())
            qWarning("the wizard stopped after %s", qPrintable(driver.Seen().join(',')));
        return focus;
    }

private slots:
    void initTestCase() {
        windows_ = std::make_unique<AppWindows>();
        windows_->StartBox().show();
    }

    // A tab typed into a text box would go into the game's file.
    void tabAndShiftTabLeaveEveryTextBox() {
        MakeEveryWindow(*windows_);
        int boxes = 0;
        for (QWidget* window : QApplication::topLevelWidgets())
            for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>()) {
                const QString name = window->objectName() + '/' + box->objectName();
                box->setReadOnly(false);
                box->setPlainText(QStringLiteral("words"));
                for (const auto modifier : {Qt::NoModifier, Qt::ShiftModifier})
                    QTest::keyClick(box, Qt::Key_Tab, modifier);
                QTest::keyClick(box, Qt::Key_Backtab);
                QVERIFY2(box->toPlainText() == QStringLiteral("words"), qPrintable(name));
                ++boxes;
            }
        // Story, event text, campaign intro, the two source views, the help, and the advanced
        // dialog's two descriptions.
        QCOMPARE(boxes, 8);
    }

    // Each pass opens every page in its first box with its text selected, wherever the last
    // pass left the focus; the players page opens on the tab shown last.
    void pagesOpenInTheirFirstBoxOnEveryPass() {
        QString typed;
        const QStringList first = WalkWizard([&typed](const QString& page, QWidget* w) {
            if (page == "SecondBox")
                Find<QComboBox>(w, "RandomGeysersBox")->setFocus();
            if (page == "FourthBox")
                Find<QTabWidget>(w, "TabbedNotebook1")->setCurrentIndex(3);
            if (page == "FifthBox") { // typed straight away: the space must not press "OK"
                QTest::keyClicks(w->focusWidget(), QStringLiteral("Hello heading"));
                typed = Find<QComboBox>(w, "ComboBox981")->currentText();
                QVERIFY(w->isVisible());
            }
        });
        QCOMPARE(first,
                 (QStringList{"FirstBox:Button1|(none)", "SecondBox:TitleBox|My Map",
                              "ThirdBox:QuoteTextBox|\"Why of course my maps are the best!\"",
                              "FourthBox:MyStartMoneyBox|0", "FifthBox:ComboBox981|Succeeded"}));
        QCOMPARE(typed, QStringLiteral("Hello heading"));

        const QStringList second = WalkWizard([](const QString&, QWidget*) {});
        QCOMPARE(second.mid(1, 2), first.mid(1, 2));
        QCOMPARE(second[3], QStringLiteral("FourthBox:EnableAI4|(none)")); // the tab left shown
        QCOMPARE(second[4], first[4]);
    }

    // The whole wizard by keys alone: Return presses "OK" from the box that has the focus,
    // Alt+B ("< Back", on every page after the welcome page) goes back a page. A page shown
    // again in the same mission shows what was left in it, whichever way it is reached.
    void theWizardIsWalkedByReturnAndAltB() {
        const auto key = [](QWidget* w, Qt::Key pressed, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, pressed, modifiers);
        };
        const auto forward = [key](QWidget* w) { key(w, Qt::Key_Return); };
        const auto back = [key](QWidget* w) { key(w, Qt::Key_B, Qt::AltModifier); };
        const auto typeAnd = [](const char* typed, auto then) {
            return [typed, then](QWidget* w) {
                QTest::keyClicks(w->focusWidget(), typed); // over the first box's selected text
                then(w);
            };
        };
        const auto shows = [](const char* box, const char* text, auto then) {
            return [box, text, then](QWidget* w) {
                auto* shown = Find<QWidget>(w, box);
                if (!qobject_cast<QLineEdit*>(shown)) // a spin box: its own edit box
                    shown = shown->findChild<QLineEdit*>();
                QCOMPARE(qobject_cast<QLineEdit*>(shown)->text(), QString(text));
                then(w);
            };
        };
        ModalDriver driver;
        driver
            .When("FirstBox",
                  [forward](QWidget* w) {
                      QVERIFY(!w->findChild<QPushButton*>("BackButton"));
                      forward(w);
                  })
            .When("SecondBox",
                  [typeAnd, forward](QWidget* w) {
                      QCOMPARE(Find<QPushButton>(w, "BackButton")->text(),
                               QStringLiteral("< &Back"));
                      typeAnd("Typed", forward)(w);
                  })
            .When("ThirdBox", typeAnd("Quote", back))
            .When("SecondBox", shows("TitleBox", "Typed", back))
            .When("FirstBox", forward)
            .When("SecondBox", shows("TitleBox", "Typed", forward))
            .When("ThirdBox", shows("QuoteTextBox", "Quote", forward))
            .When("FourthBox",
                  [typeAnd, forward](QWidget* w) {
                      // The page opens on the tab shown last: the player's money is typed there.
                      Find<QTabWidget>(w, "TabbedNotebook1")->setCurrentIndex(0);
                      FocusAsTabWould(*Find<QWidget>(w, "MyStartMoneyBox"));
                      typeAnd("700", forward)(w);
                  })
            .When("FifthBox",
                  [forward](QWidget* w) {
                      Find<QLineEdit>(w, "HeadingBox")->setFocus();
                      QTest::keyClicks(w->focusWidget(), "Won");
                      forward(w);
                  })
            .When("SixthBox",
                  [back](QWidget* w) {
                      // Return would save: the page opens on its "OK", not on "< Back".
                      QCOMPARE(FocusOf(w), QStringLiteral("Button1|(none)"));
                      back(w);
                  })
            .When("FifthBox", shows("HeadingBox", "Won", back))
            .When("FourthBox", shows("MyStartMoneyBox", "700", forward))
            .When("FifthBox", forward)
            .When("SixthBox", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
        Click(&windows_->StartBox(), "Button1");
        QVERIFY2(driver.Done(), qPrintable(driver.Seen().join(',')));
        const MissionSettings& mission = windows_->Mission();
        QCOMPARE(mission.general.title, std::string("Typed"));
        QCOMPARE(mission.entryBox.QuoteTextBox, std::string("Quote"));
        QCOMPARE(mission.player.myStartMoney, std::string("700"));
        QCOMPARE(mission.events.Succeeded.heading, std::string("Won"));
    }

    void returnAndEnterPressTheFocusedStartButton() {
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            ModalDriver driver;
            driver.CancelFile("OpenDialog1");
            QTest::keyClick(Find<QWidget>(&windows_->StartBox(), "Button3"), key);
            QTRY_VERIFY(driver.Done());
        }
    }

    // The campaign editor's buttons take Return and Enter too, and Return in one of its boxes
    // presses none. The editor opens in its title box every time, wherever it was left.
    void returnPressesTheFocusedCampaignButton() {
        QStringList focus;
        const auto press = [](QWidget* editor, const char* name, Qt::Key key) {
            auto* button = Find<QPushButton>(editor, name);
            button->setFocus();
            QTest::keyClick(button, key);
        };
        ModalDriver driver;
        driver
            .When("CampaignBox",
                  [&](QWidget* w) {
                      focus << FocusOf(w);
                      QTest::keyClick(Find<QLineEdit>(w, "TitleBox"), Qt::Key_Return);
                      press(w, "Button3", Qt::Key_Return); // Browse
                      press(w, "Button2", Qt::Key_Enter);  // Add, with no file name
                      press(w, "Button4", Qt::Key_Return); // New Mission
                      press(w, "OpenButton", Qt::Key_Return);
                      press(w, "Button1", Qt::Key_Return); // Save
                      w->close();
                  })
            .CancelFile("OpenDialog1")
            .Answer(QMessageBox::Ok)
            .When("FirstBox", [](QWidget* w) { w->close(); })
            .CancelFile("OpenDialog2")
            .When("CampaignFinished", [](QWidget* w) { CloseDroppingWork(w); });
        Click(&windows_->StartBox(), "Button5");
        QVERIFY(driver.Done());
        QCOMPARE(driver.Seen(),
                 (QStringList{"CampaignBox", "OpenDialog1",
                              "MessageBox:1:Please enter a filename or browse for a file.",
                              "FirstBox", "OpenDialog2", "CampaignFinished"}));

        ModalDriver again;
        again.When("CampaignBox", [&](QWidget* w) {
            focus << FocusOf(w);
            w->close();
        });
        Click(&windows_->StartBox(), "Button5");
        QVERIFY(again.Done());
        QCOMPARE(focus, (QStringList{"TitleBox|My Campaign", "TitleBox|My Campaign"}));
    }

    // The advanced dialog's descriptions are only to read: Tab passes them by, in either view.
    void tabPassesTheAdvancedDescriptionsBy() {
        QStringList stops;
        ModalDriver driver;
        driver.When("AdvancedAIOptions", [&stops](QWidget* w) {
            for (const int option : {0, 1}) { // "Collectors", then "Ability"
                Find<QListWidget>(w, "ListBox1")->setCurrentRow(option);
                Find<QWidget>(w, "Button2")->setFocus();
                for (int tab = 0; tab < 4; ++tab) {
                    QTest::keyClick(w->focusWidget(), Qt::Key_Tab);
                    stops << FocusOf(w).section(QLatin1Char('|'), 0, 0);
                }
            }
            w->close();
        });
        windows_->AdvancedAIOptions().Open(2);
        QVERIFY(driver.Done());
        QCOMPARE(stops, (QStringList{"ListBox1", "ComboBox1", "Button2", "ListBox1", "ListBox1",
                                     "AbilityBox", "AbilityValueBox", "Button2"}));
    }

    // Escape closes the help and the advanced dialog, as their close control does; a page
    // holding the user's work stays open.
    void escapeClosesOnlyTheHelpAndTheAdvancedDialog() {
        const std::vector<std::pair<QString, std::function<void()>>> windows = {
            {"HelpBox", [this] { Click(&windows_->StartBox(), "Button4"); }},
            {"AdvancedAIOptions", [this] { windows_->AdvancedAIOptions().Open(2); }},
            {"FirstBox", [this] { Click(&windows_->StartBox(), "Button1"); }},
        };
        for (const auto& [name, open] : windows) {
            const bool closes = name != "FirstBox";
            bool openAfterEscape = false;
            ModalDriver driver;
            driver.When(name, [&openAfterEscape](QWidget* w) {
                QTest::keyClick(w->focusWidget() ? w->focusWidget() : w, Qt::Key_Escape);
                openAfterEscape = w->isVisible();
                w->close();
            });
            open();
            QVERIFY2(driver.Done(), qPrintable(name));
            QVERIFY2(openAfterEscape != closes, qPrintable(name));
        }
    }

    // Straight from the finish page the save dialog and the question after it open centred
    // over the page, not at the corner of the screen.
    void theSaveDialogOpensOverTheFinishPage() {
        QStringList placement;
        ModalDriver driver;
        for (const auto& [page, ok] : kChain)
            driver.When(page, [ok = ok](QWidget* w) { Click(w, ok); });
        driver.When("SixthBox", [](QWidget* w) { Click(w, "Button1"); })
            .When("SaveDialog1",
                  [&placement](QWidget* w) {
                      placement
                          << QStringLiteral("dialog %1").arg(CentredOver(w, TopLevel("SixthBox")));
                      qobject_cast<QDialog*>(w)->reject();
                  })
            .OnMessageBox([&placement](QMessageBox* box) {
                placement << QStringLiteral("box %1").arg(CentredOver(box, TopLevel("SixthBox")));
                box->button(QMessageBox::Yes)->click();
            });
        Click(&windows_->StartBox(), "Button1");
        QVERIFY(driver.Done());
        QCOMPARE(placement, (QStringList{"dialog 1", "box 1"}));
        // Its owner keeps it: it remembers its folder for the next mission.
        QCOMPARE(windows_->ViewSourceBox().SaveDialog1().parentWidget(),
                 &windows_->ViewSourceBox());
    }

    // The help opens centred over the start window, wherever that window is.
    void theHelpOpensOverTheStartWindow() {
        QWidget* start = &windows_->StartBox();
        const QPoint was = start->pos();
        start->move(was + QPoint(70, 40));
        bool centred = false;
        ModalDriver driver;
        driver.When("HelpBox", [&](QWidget* w) {
            centred = CentredOver(w, start);
            w->close();
        });
        Click(start, "Button4");
        start->move(was);
        QVERIFY(driver.Done());
        QVERIFY(centred);
    }

    // A window asks through a hidden one: its dialog opens over the window in use instead.
    void aDialogOfAHiddenWindowOpensOverTheShownOne() {
        QWidget hidden;
        QWidget shown;
        shown.setGeometry(120, 90, 300, 200);
        shown.show();
        shown.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&shown));
        QCOMPARE(ShownWindow(&hidden), &shown);
        QCOMPARE(ShownWindow(&shown), &shown);

        QDialog dialog(&hidden);
        dialog.resize(100, 60);
        bool centred = false;
        QTimer::singleShot(0, &dialog, [&] {
            centred = CentredOver(&dialog, &shown);
            dialog.reject();
        });
        ExecCentredOver(dialog, &hidden);
        QVERIFY(centred);
        QCOMPARE(dialog.parentWidget(), &hidden);
    }

    // Last: it runs the program's own start-up and event loop. Quit ends the program even
    // with the campaign source view left open, and the title bars show the captions alone.
    void quitEndsTheProgramWithTheSourceViewOpen() {
        windows_.reset();
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        watchdog.start(20000);
        // The program makes its source view when the campaign finish window first needs it;
        // this one's owner (which would open its preview) is not the program's.
        AppWindows owner;
        TViewCampaignSource view(owner);
        QTimer::singleShot(0, qApp, [&view] {
            view.Edit({"[Campaign]"}, [](const auto&) { return SaveResult{}; });
            QVERIFY(view.isVisible());
            for (QWidget* window : QApplication::topLevelWidgets())
                if (window->objectName() == "StartBox" && window->isVisible())
                    Click(window, "Button2");
        });
        QCOMPARE(RunVornaskCreator(), 0);
        QCOMPARE(QGuiApplication::applicationDisplayName(), QGuiApplication::applicationName());
    }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
