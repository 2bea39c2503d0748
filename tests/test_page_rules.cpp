#include "core/mission/AdvancedAITables.h"
#include "core/mission/EventSlots.h"
#include "core/text/Completion.h"
#include "core/text/SpinValue.h"

#include <QTest>

using namespace vornask;
using Items = std::vector<std::u16string>;

namespace {

const Items kEvents = {u"Succeeded",   u"Failed",         u"TempleHalfDead", u"TempleDead",
                       u"PriestSaved", u"PriestCaptured", u"PriestDead"};

} // namespace

class PageRulesTest : public QObject {
    Q_OBJECT
private slots:
    void upperCasingTouchesOnlyAsciiLetters() {
        QVERIFY(UpperCaseAsciiLetters(u"abz-\u00e9\u00df9_q") == u"ABZ-\u00e9\u00df9_Q");
    }

    void completionTakesTheFirstItemBeginningWithTheText() {
        QVERIFY(CompletionFor(kEvents, u"temple") == std::u16string(u"HalfDead"));
        QVERIFY(CompletionFor(kEvents, u"TempleD") == std::u16string(u"ead"));
        QVERIFY(CompletionFor(kEvents, u"priestc") == std::u16string(u"aptured"));
        QVERIFY(CompletionFor(kEvents, u"Failed") == std::u16string());
        QVERIFY(CompletionFor(kEvents, u"") == std::u16string(u"Succeeded"));
        QVERIFY(!CompletionFor(kEvents, u"x"));
        QVERIFY(!CompletionFor(kEvents, u"FailedX")); // longer than every item it starts with
        QVERIFY(!CompletionFor({}, u"a"));
        // Only a to z are folded: an accented letter must match in its own case.
        QVERIFY(!CompletionFor({u"\u00c9t\u00e9"}, u"\u00e9"));
        QCOMPARE(FirstItemStartingWith({u"ab", u"Abc"}, u"AB"), std::optional<std::size_t>(0));
    }

    void completionIsSkippedAfterErasingKeysShortTextsAndWithoutItems() {
        const CompletionContext typing{true, true, 'A', 0};
        QVERIFY(CompletionMayRun(typing, 0, 1));
        QVERIFY(CompletionMayRun({true, true, 0, 0}, 1, 1)); // no key pressed yet
        QVERIFY(!CompletionMayRun({true, true, kBackspaceKeyCode, 0}, 1, 1));
        QVERIFY(!CompletionMayRun({true, true, kDeleteKeyCode, 0}, 1, 1));
        QVERIFY(!CompletionMayRun({false, true, 'A', 0}, 1, 1));
        QVERIFY(!CompletionMayRun({true, false, 'A', 0}, 1, 1));
        QVERIFY(!CompletionMayRun({true, true, 'A', 3}, 2, 1));
        QVERIFY(CompletionMayRun({true, true, 'A', 3}, 3, 1));
        QVERIFY(!CompletionMayRun(typing, 1, 0));
    }

    void spinTextsComeToTheNearerBoundOrTheLowerOne() {
        QCOMPARE(ClampedSpinValue("7", 1, 99), 7);
        QCOMPARE(ClampedSpinValue("150", 1, 99), 99);
        QCOMPARE(ClampedSpinValue("0", 1, 99), 1);
        QCOMPARE(ClampedSpinValue("-5", 0, 500000), 0);
        QCOMPARE(ClampedSpinValue("", 1, 99), 1);
        QCOMPARE(ClampedSpinValue("12a", 0, 500000), 0);
        QCOMPARE(ClampedSpinValue("-", 1, 99), 1);
        QCOMPARE(ClampedSpinValue("600000", 0, 500000), 500000);
        QCOMPARE(ClampedSpinValue("99999999999999999999999", 0, 500000), 500000);
        QCOMPARE(ClampedSpinValue("007", 1, 99), 7);
        QCOMPARE(ClampedSpinValue("+500", 0, 500000), 500);
        QCOMPARE(ClampedSpinValue("+150", 1, 99), 99);
        QCOMPARE(ClampedSpinValue("+", 1, 99), 1);
        QCOMPARE(ClampedSpinValue("+-5", 0, 99), 0);
    }

    // The group separator of the box's language counts among the digits; spaces around the
    // number do not count.
    void spinTextsMayGroupTheirDigits() {
        QCOMPARE(ClampedSpinValue(" +2,5,0\t", 0, 500000, ","), 250);
        QCOMPARE(ClampedSpinValue("1.000.000", 0, 500000, "."), 500000);
        QCOMPARE(ClampedSpinValue("1\u202f000", 0, 500000, "\u202f"), 1000);
        QCOMPARE(ClampedSpinValue("1.000", 0, 500000, ","), 0); // another language's separator
        QCOMPARE(ClampedSpinValue("1 000", 0, 500000, ","), 0);
        QVERIFY(IsSpinTyping("-1,", ","));
        QVERIFY(!IsSpinTyping("- 5", ","));
    }

    // What the game's files hold for an option: the offered values and other whole numbers.
    void advancedValuesAreWholeNumbersOrNothing() {
        for (const AdvancedOption& option : AdvancedOptions())
            for (const char* offered : option.values)
                QVERIFY2(IsAdvancedValue(offered), offered);
        for (const char* value : {"", "0", "20", "10", "007", "999999999"})
            QVERIFY2(IsAdvancedValue(value), value);
        for (const char* value : {"-1", "+2", "1.5", " 2", "2 ", "x", "1,000", "1000000000"})
            QVERIFY2(!IsAdvancedValue(value), value);
    }

    void abilityValueListsSwitchedOffAbilitiesInTheirOrder() {
        AbilityFlags flags = AllAbilitiesOn();
        QCOMPARE(GetAbility(flags), std::string());
        flags[9] = "False"; // BUILD_DAIS
        flags[4] = "False"; // COLLECT_STORM_POWER
        flags[6] = "false"; // only the exact text switches an ability off
        flags[7] = "";
        QCOMPARE(GetAbility(flags), std::string("!COLLECT_STORM_POWER;!BUILD_DAIS;"));
    }

    void storedAbilityValueGivesBackItsFlags() {
        const AbilityFlags flags = AbilityFlagsOf("!COLLECT_STORM_POWER;!BUILD_BRIDGES;");
        for (int i = 0; i < kAbilityCount; ++i)
            QCOMPARE(flags[i], std::string(i == 4 || i == 12 ? "False" : "True"));
        QCOMPARE(GetAbility(flags), std::string("!COLLECT_STORM_POWER;!BUILD_BRIDGES;"));
        QVERIFY(AbilityFlagsOf("") == AllAbilitiesOn());
        // A name without its marks is not an entry.
        QVERIFY(AbilityFlagsOf("BUILD_DAIS") == AllAbilitiesOn());
    }

    void abilitiesAreFoundByTheirExactName() {
        QCOMPARE(AbilityIndex("CONCENTRATE_FIRE"), std::optional<int>(6));
        QVERIFY(!AbilityIndex("concentrate_fire"));
        QVERIFY(!AbilityIndex("CONCENTRATE"));
    }

    void choosersAddressTheirSlots() {
        EventMessages messages;
        QCOMPARE(SelectedEventMessage(messages, 0, 4), &messages.Succeeded);
        QCOMPARE(SelectedEventMessage(messages, 1, kNoChoice), &messages.Failed);
        QCOMPARE(SelectedEventMessage(messages, 2, 0),
                 &messages.of(2, OpponentEvent::TempleHalfDead));
        QCOMPARE(SelectedEventMessage(messages, 3, 1), &messages.of(3, OpponentEvent::TempleDead));
        QCOMPARE(SelectedEventMessage(messages, 6, 6), &messages.of(8, OpponentEvent::PriestDead));
        QVERIFY(!SelectedEventMessage(messages, 4, kNoChoice));
        QVERIFY(!SelectedEventMessage(messages, kNoChoice, 0));
        QVERIFY(!SelectedEventMessage(messages, 7, 0));
    }
};

QTEST_APPLESS_MAIN(PageRulesTest)
#include "test_page_rules.moc"
