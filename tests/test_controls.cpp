#include "core/mission/AdvancedAITables.h"
#include "core/text/Completion.h"
#include "ui/controls/ComboBox98.h"
#include "ui/controls/SpinEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

using namespace vornask;

namespace {

QStringList AbilityNames() {
    QStringList names;
    for (const Ability& ability : Abilities())
        names << QString::fromLatin1(ability.name);
    return names;
}

const QStringList kEvents = {"Succeeded",   "Failed",         "TempleHalfDead", "TempleDead",
                             "PriestSaved", "PriestCaptured", "PriestDead"};

struct Box {
    explicit Box(const QStringList& items) {
        box.addItems(items);
        box.setEditText(QString());
        box.show();
        box.setFocus();
    }
    QLineEdit& edit() { return *box.lineEdit(); }
    void type(const QString& keys) { QTest::keyClicks(&edit(), keys); }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(&edit(), key, mods);
    }
    TComboBox98 box;
};

void FocusOut(QWidget& widget) {
    QFocusEvent event(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

class ControlsTest : public QObject {
    Q_OBJECT
private slots:
    void isAnEditableBoxWithoutQtsOwnCompletion() {
        TComboBox98 box;
        QVERIFY(box.inherits("TComboBox98") && box.inherits("QComboBox"));
        QVERIFY(box.isEditable());
        QCOMPARE(box.insertPolicy(), QComboBox::NoInsert);
        QVERIFY(!box.completer());
        QVERIFY(box.Complete());
        QCOMPARE(box.MinLengthComplete(), std::uint16_t(0));
    }

    void typingCompletesFromTheFirstMatchingAbility() {
        Box b(AbilityNames());
        QSignalSpy changes(&b.box, &TComboBox98::Changed);
        b.type("co");
        QCOMPARE(b.edit().text(), QStringLiteral("coLLECT_STORM_POWER"));
        QCOMPARE(b.edit().selectedText(), QStringLiteral("LLECT_STORM_POWER"));
        QCOMPARE(b.edit().selectionStart(), 2);
        QCOMPARE(b.edit().cursorPosition(), b.edit().text().size());
        b.type("n"); // replaces the suggestion
        QCOMPARE(b.edit().text(), QStringLiteral("conCENTRATE_FIRE"));
        QCOMPARE(b.edit().selectedText(), QStringLiteral("CENTRATE_FIRE"));
        // The owner saw each text as typed, once per keystroke, never a completed one.
        QCOMPARE(changes.size(), 3);
        QCOMPARE(changes.at(0).at(0).toString(), QStringLiteral("c"));
        QCOMPARE(changes.at(1).at(0).toString(), QStringLiteral("co"));
        QCOMPARE(changes.at(2).at(0).toString(), QStringLiteral("con"));
    }

    void typingCompletesFromTheFirstMatchingEvent() {
        Box b(kEvents);
        b.type("Temple");
        QCOMPARE(b.edit().text(), QStringLiteral("TempleHalfDead"));
        QCOMPARE(b.edit().selectedText(), QStringLiteral("HalfDead"));
        b.type("D");
        QCOMPARE(b.edit().text(), QStringLiteral("TempleDead"));
        QCOMPARE(b.edit().selectedText(), QStringLiteral("ead"));
        QCOMPARE(b.box.LastKey(), std::uint16_t('D'));
    }

    void erasingKeysDoNotCompleteAgain() {
        Box b(kEvents);
        b.type("Temple");
        b.press(Qt::Key_Backspace);
        QCOMPARE(b.edit().text(), QStringLiteral("Temple"));
        QCOMPARE(b.box.LastKey(), kBackspaceKeyCode);
        b.type("H");
        QCOMPARE(b.edit().text(), QStringLiteral("TempleHalfDead"));
        b.press(Qt::Key_Delete);
        QCOMPARE(b.edit().text(), QStringLiteral("TempleH"));
        QCOMPARE(b.box.LastKey(), kDeleteKeyCode);
    }

    void anExactItemKeepsItsTextWithTheCaretAtTheEnd() {
        Box b(kEvents);
        b.type("Failed");
        QCOMPARE(b.edit().text(), QStringLiteral("Failed"));
        QVERIFY(!b.edit().hasSelectedText());
        QCOMPARE(b.edit().cursorPosition(), 6);
    }

    void textMatchingNoItemStaysAsTyped() {
        Box b(kEvents);
        b.type("Tx");
        QCOMPARE(b.edit().text(), QStringLiteral("Tx"));
    }

    // Only Backspace and Delete stop a completion: no other key may pass for one of them.
    void aTypedPeriodStillCompletes() {
        Box b({"v1.2 beta"});
        b.type("v1.");
        QCOMPARE(b.edit().text(), QStringLiteral("v1.2 beta"));
        QCOMPARE(b.edit().selectedText(), QStringLiteral("2 beta"));
    }

    void cuttingEverythingFillsInTheFirstItem() {
        Box b(kEvents);
        b.type("Pr");
        b.edit().selectAll();
        b.press(Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(b.edit().text(), QStringLiteral("Succeeded"));
        QCOMPARE(b.edit().selectedText(), QStringLiteral("Succeeded"));
    }

    void aPickIsReportedAsPickedAndCompletedOnlyByAnEarlierItem() {
        Box b({"Abc", "Ab", "Xy"});
        QSignalSpy changes(&b.box, &TComboBox98::Changed);
        b.box.setCurrentIndex(1);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.at(0).at(0).toString(), QStringLiteral("Ab"));
        QCOMPARE(b.edit().text(), QStringLiteral("Abc"));
        QCOMPARE(b.edit().selectedText(), QStringLiteral("c"));
        b.box.setCurrentIndex(2);
        QCOMPARE(b.edit().text(), QStringLiteral("Xy"));
    }

    // The owner saw "F" only; the pick of the item its completion shows must still reach it.
    void pickingTheItemAlreadyShownIsReportedToo() {
        Box b(kEvents);
        b.type("F");
        QCOMPARE(b.edit().text(), QStringLiteral("Failed"));
        QSignalSpy changes(&b.box, &TComboBox98::Changed);
        b.box.showPopup();
        b.box.view()->setCurrentIndex(b.box.model()->index(1, 0));
        QTest::keyClick(b.box.view(), Qt::Key_Return);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.at(0).at(0).toString(), QStringLiteral("Failed"));
        QCOMPARE(b.edit().text(), QStringLiteral("Failed"));
    }

    void switchedOffShortOrListOnlyBoxesDoNotComplete() {
        Box off(kEvents);
        off.box.SetComplete(false);
        off.type("Fa");
        QCOMPARE(off.edit().text(), QStringLiteral("Fa"));

        Box shortText(kEvents);
        shortText.box.SetMinLengthComplete(3);
        shortText.type("Fa");
        QCOMPARE(shortText.edit().text(), QStringLiteral("Fa"));
        shortText.type("i");
        QCOMPARE(shortText.edit().text(), QStringLiteral("Failed"));

        TComboBox98 listOnly;
        listOnly.setEditable(false);
        listOnly.addItems({"Abc", "Ab"});
        QSignalSpy changes(&listOnly, &TComboBox98::Changed);
        listOnly.setCurrentIndex(1);
        QCOMPARE(changes.size(), 1);
        QCOMPARE(listOnly.currentText(), QStringLiteral("Ab"));
    }

    void theOnCompleteHandlerMayCancelOrReplaceTheCompletion() {
        Box cancelled(kEvents);
        cancelled.box.SetOnComplete(
            [](TComboBox98*, std::uint16_t, QString&, bool& doComplete) { doComplete = false; });
        cancelled.type("Fa");
        QCOMPARE(cancelled.edit().text(), QStringLiteral("Fa"));

        Box replaced(kEvents);
        TComboBox98* sender = nullptr;
        std::uint16_t key = 0;
        QString offered;
        replaced.box.SetOnComplete(
            [&](TComboBox98* from, std::uint16_t k, QString& completeWith, bool&) {
                sender = from;
                key = k;
                offered = completeWith;
                completeWith = QStringLiteral("XYZ");
            });
        replaced.type("Fa");
        QCOMPARE(sender, &replaced.box);
        QCOMPARE(key, std::uint16_t('A'));
        QCOMPARE(offered, QStringLiteral("iled"));
        QCOMPARE(replaced.edit().text(), QStringLiteral("FaXYZ"));
        QCOMPARE(replaced.edit().selectedText(), QStringLiteral("XYZ"));
    }

    void spinEditTakesAnyDigitsAndSettlesWhenLeft() {
        TSpinEdit spin(1, 99, 1);
        spin.show();
        auto* edit = spin.findChild<QLineEdit*>();
        edit->selectAll();
        QTest::keyClicks(edit, "150");
        QCOMPARE(edit->text(), QStringLiteral("150"));
        FocusOut(spin);
        QCOMPARE(spin.value(), 99);
        QCOMPARE(edit->text(), QStringLiteral("99"));

        QTest::keyClicks(edit, "ab");
        QCOMPARE(edit->text(), QStringLiteral("99")); // letters are refused
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString());
        FocusOut(spin);
        QCOMPARE(spin.value(), 1);
        QCOMPARE(edit->text(), QStringLiteral("1"));
    }

    void spinEditSettlesWhenItsPageTakesTheValue() {
        TSpinEdit money(0, 500000, 100);
        auto* edit = money.findChild<QLineEdit*>();
        money.setValue(300);
        edit->setText(QStringLiteral("600000"));
        QCOMPARE(money.Settle(), 500000);
        edit->clear();
        QCOMPARE(money.Settle(), 0);
        QCOMPARE(money.singleStep(), 100);
    }

    // What the box shows is what its page gets, read in the box's language: digits grouped as
    // that language groups them, and spaces around the number.
    void spinEditReadsNumbersAsItsLanguageGroupsThem() {
        const QLocale german(QLocale::German, QLocale::Germany);
        struct Case {
            QLocale locale;
            QString typed;
            int value;
        };
        const Case cases[] = {
            {QLocale::c(), "1,000", 1000},     {QLocale::c(), "+1,500", 1500},
            {QLocale::c(), "600,000", 500000}, {german, "1.000", 1000},
            {german, "1.000.000", 500000},     {german, "", 0},
        };
        for (const Case& c : cases) {
            for (const QString& space : {QString(), QStringLiteral(" ")}) {
                TSpinEdit money(0, 500000, 100);
                money.setLocale(c.locale);
                money.show();
                auto* edit = money.findChild<QLineEdit*>();
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Backspace);
                const QByteArray what = (c.locale.name() + " \"" + space + c.typed + '"').toUtf8();
                if (space.isEmpty()) { // typed key by key, as the box lets them in
                    QTest::keyClicks(edit, c.typed);
                    QVERIFY2(edit->text() == c.typed, what);
                } else { // as a paste can leave it, spaces before and after
                    edit->setText(space + c.typed + space);
                }
                FocusOut(money);
                QVERIFY2(money.value() == c.value, what);
                QVERIFY2(edit->text() == QString::number(c.value), what);
            }
        }

        // A box takes the program's language when it is made.
        const QLocale before;
        QLocale::setDefault(german);
        const auto restore = qScopeGuard([&before] { QLocale::setDefault(before); });
        TSpinEdit money(0, 500000, 100);
        money.findChild<QLineEdit*>()->setText(QStringLiteral("2.500"));
        QCOMPARE(money.Settle(), 2500);
    }
};

QTEST_MAIN(ControlsTest)
#include "test_controls.moc"
