#include "core/registry/InstallFolder.h"
#include "core/text/LostCharacters.h"
#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

#include <QTest>

using namespace vornask;
using namespace std::literals;

class TextTest : public QObject {
    Q_OBJECT
private slots:
    void filesEndEveryLineWithCrLf() {
        QCOMPARE(JoinLinesCrLf({"a", "", "b"}), std::string("a\r\n\r\nb\r\n"));
        QCOMPARE(JoinLinesCrLf({}), std::string());
    }

    void memoLineBreaksBecomeCrLfWithNoneAdded() {
        QCOMPARE(WithCrLfLineBreaks("first\nsecond"), std::string("first\r\nsecond"));
        QCOMPARE(WithCrLfLineBreaks("a\r\nb\rc\n"), std::string("a\r\nb\r\nc\r\n"));
        QCOMPARE(WithCrLfLineBreaks(""), std::string());
    }

    void linesAreSplitAtAnyBreakWithoutATrailingEmptyLine() {
        using Lines = std::vector<std::string>;
        QCOMPARE(SplitLines("a\nb"), (Lines{"a", "b"}));
        QCOMPARE(SplitLines("a\r\nb\r\n"), (Lines{"a", "b"}));
        QCOMPARE(SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
        QCOMPARE(SplitLines("\n"), (Lines{""}));
        QCOMPARE(SplitLines(""), Lines{});
    }

    // A text box's lines: each break ends one, so a break at the end leaves an empty line.
    void boxLinesEndAtEveryBreak() {
        using Lines = std::vector<std::string>;
        QCOMPARE(SplitBoxLines("a\r\nb\rc\n"), (Lines{"a", "b", "c", ""}));
        QCOMPARE(SplitBoxLines("\n\n"), (Lines{"", "", ""}));
        QCOMPARE(SplitBoxLines("a"), (Lines{"a"}));
        QCOMPARE(SplitBoxLines(""), Lines{});
    }

    void windows1252KeepsItsOwnCharactersAndReplacesOthers() {
        QCOMPARE(EncodeWindows1252(u"Caf\u00e9 \u20ac\u201cq\u201d"),
                 std::string("Caf\xe9 \x80\x93q\x94"));
        // Outside the code page: CJK, and one '?' for a character beyond the BMP.
        QCOMPARE(EncodeWindows1252(u"a\u4e2db\U0001F600c"), std::string("a?b?c"));
        const std::string everyByte = [] {
            std::string s;
            for (int b = 0; b < 256; ++b)
                s.push_back(static_cast<char>(b));
            return s;
        }();
        // Every byte the game's text holds comes back; control bytes and the five bytes the
        // code page leaves undefined come back as '?'.
        std::string held = everyByte;
        for (char& byte : held) {
            const auto b = static_cast<unsigned char>(byte);
            const bool lineLayout = b == '\t' || b == '\n' || b == '\r';
            if ((b < 0x20 && !lineLayout) || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F ||
                b == 0x90 || b == 0x9D)
                byte = '?';
        }
        QCOMPARE(EncodeWindows1252(DecodeWindows1252(everyByte)), held);
    }

    void controlCharactersAreLostLikeCharactersOutsideTheCodePage() {
        QCOMPARE(EncodeWindows1252(u"a\u0000b\u000b\u000c\u001b\u007f\u0085\u009d\tc\r\n"sv),
                 std::string("a?b??????\tc\r\n"));
        QCOMPARE(LostInWindows1252(u"\u65e5\u672c\u65e5 \u001b\U0001F600\u00e9\u20ac"),
                 std::u32string(U"\u65e5\u672c\u001b\U0001F600"));
        QCOMPARE(LostInWindows1252(u"Caf\u00e9 \u20ac\t"), std::u32string());
        // A lone surrogate is lost too.
        QCOMPARE(EncodeWindows1252(u"\xD800x"), std::string("?x"));
        QCOMPARE(LostInWindows1252(u"\xD800x"), std::u32string(1, U'\xD800'));
    }

    void lostCharactersAreKeptPerFieldInTheWindowsOrder() {
        LostCharacters lost;
        lost.Record({TextField::EventHeading, 1}, u"\u65e5");
        lost.Record({TextField::Title}, u"\u65e5\u672c");
        lost.Record({TextField::Story}, u"a\u001bb\u0000\u0142"sv);
        lost.Record({TextField::Quote}, u"\u0142");
        lost.Record({TextField::Quote}, u"fine again"); // a clean capture clears the field
        const std::vector<LostNotice> notices = lost.Notices();
        QCOMPARE(notices.size(), std::size_t(3));
        QVERIFY(notices[0].where == FieldRef{TextField::Title});
        QCOMPARE(notices[0].shown, std::u32string(U"\u65e5\u672c"));
        QVERIFY(notices[1].where == FieldRef{TextField::Story});
        QCOMPARE(notices[1].shown, std::u32string(U"U+001B U+0000 \u0142"));
        QVERIFY(notices[2].where == (FieldRef{TextField::EventHeading, 1}));

        lost.Forget(TextField::EventHeading);
        QCOMPARE(lost.Notices().size(), std::size_t(2));
        lost.Clear();
        QVERIFY(lost.empty());
    }

    void removingAMissionMovesTheLaterOnesUp() {
        LostCharacters lost;
        for (int item : {0, 1, 2})
            lost.Record({TextField::MissionTitle, item}, item == 1 ? u"\u0142" : u"\u65e5");
        lost.Record({TextField::MissionFile, 1}, u"\u0142");
        lost.RemoveItem(TextField::MissionTitle, 0);
        const std::vector<LostNotice> notices = lost.Notices();
        QCOMPARE(notices.size(), std::size_t(3));
        QVERIFY(notices[0].where == (FieldRef{TextField::MissionTitle, 0}));
        QCOMPARE(notices[0].shown, std::u32string(U"\u0142"));
        QVERIFY(notices[1].where == (FieldRef{TextField::MissionTitle, 1}));
        QCOMPARE(notices[1].shown, std::u32string(U"\u65e5"));
        QVERIFY(notices[2].where == (FieldRef{TextField::MissionFile, 1})); // another field
    }

    void dialogFolderIsInstallDirWithD() {
        QCOMPARE(DialogFolderText(""), std::string("D\\"));
        QCOMPARE(DialogFolderText("C:\\NetStorm\\"), std::string("C:\\NetStorm\\D\\"));
        QCOMPARE(DialogFolderText("C:\\NetStorm"), std::string("C:\\NetStorm\\D\\"));
    }
};

QTEST_APPLESS_MAIN(TextTest)
#include "test_text.moc"
