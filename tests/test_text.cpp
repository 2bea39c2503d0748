#include "core/registry/InstallFolder.h"
#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

#include <QTest>

using namespace vornask;

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
        QCOMPARE(EncodeWindows1252(DecodeWindows1252(everyByte)), everyByte);
    }

    void dialogFolderIsInstallDirWithD() {
        QCOMPARE(DialogFolderText(""), std::string("D\\"));
        QCOMPARE(DialogFolderText("C:\\NetStorm\\"), std::string("C:\\NetStorm\\D\\"));
        QCOMPARE(DialogFolderText("C:\\NetStorm"), std::string("C:\\NetStorm\\D\\"));
    }
};

QTEST_APPLESS_MAIN(TextTest)
#include "test_text.moc"
