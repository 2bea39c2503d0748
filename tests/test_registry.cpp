#include "core/registry/InstallFolder.h"
#include "core/registry/PrefixSearch.h"
#include "core/registry/WineRegistry.h"
#include "ui/platform/InstallDirText.h"
#include "ui/platform/WindowsRegistry.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using namespace vornask;
namespace fs = std::filesystem;

namespace vornask {

// Readable failures.
char* toString(const RegistryValue& value) {
    static const char* const kStatus[] = {"NotFound", "String", "WrongType"};
    return QTest::toString(
        QStringLiteral("%1 \"%2\"")
            .arg(QLatin1String(kStatus[int(value.status)]), QString::fromStdString(value.text)));
}

char* toString(const InstallDirLookup& lookup) {
    return QTest::toString(
        QStringLiteral("%1 \"%2\" %3")
            .arg(int(lookup.outcome))
            .arg(QString::fromStdString(lookup.installDir), QString::fromStdString(lookup.error)));
}

} // namespace vornask

namespace {

constexpr std::string_view kGameKey = "Software\\Titanic Entertainment\\NetStorm";

// A registry file as Wine writes one, holding `body` after its header.
std::string RegFile(std::string_view body) {
    return std::string("WINE REGISTRY Version 2\n"
                       ";; All keys relative to \\\\Machine\n"
                       "\n"
                       "#arch=win32\n"
                       "\n") +
           std::string(body);
}

RegistryValue String(std::string text) {
    return {RegistryValueStatus::String, std::move(text)};
}

const RegistryValue kNotFound{};
const RegistryValue kWrongType{RegistryValueStatus::WrongType, {}};

RegistryValue InstallDirIn(std::string_view body) {
    return FindWineRegistryValue(RegFile(body), kGameKey, "InstallDir");
}

// The value of `"V"=<data>` in a key of its own.
RegistryValue DataOf(std::string_view data) {
    return FindWineRegistryValue(RegFile("[K] 1\n\"V\"=" + std::string(data) + "\n"), "K", "V");
}

void WriteFile(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string Text(const PrefixReading& reading) {
    return reading.lookup.installDir;
}

} // namespace

class RegistryTest : public QObject {
    Q_OBJECT
    QTemporaryDir prefix_;

    fs::path Prefix() const { return prefix_.path().toStdString(); }

private slots:
    void aPlainKeyGivesItsStringValue() {
        QCOMPARE(InstallDirIn("[Software\\\\Titanic Entertainment\\\\NetStorm] 1700000000\n"
                              "#time=1d9f3c2a5b6e7f0\n"
                              "\"Other\"=\"x\"\n"
                              "\"InstallDir\"=\"C:\\\\Games\\\\NetStorm\\\\\"\n"
                              "\n"
                              "[Software\\\\Wine] 1700000000\n"
                              "\"InstallDir\"=\"elsewhere\"\n"),
                 String("C:\\Games\\NetStorm\\"));
        // Key and value names compare without regard to case; the time stamp is optional.
        QCOMPARE(InstallDirIn("[SOFTWARE\\\\titanic entertainment\\\\NETSTORM]\n"
                              "\"installdir\"=\"D:\\\\NS\"\n"),
                 String("D:\\NS"));
        // Windows line ends and indented lines.
        QCOMPARE(InstallDirIn("[Software\\\\Titanic Entertainment\\\\NetStorm] 1\r\n"
                              "  \"InstallDir\"=\"C:\\\\NS\"\r\n"),
                 String("C:\\NS"));
    }

    void valuesBelongOnlyToTheirOwnKey() {
        // A sub-key and a similar key are other keys; values before any key belong to none.
        QCOMPARE(InstallDirIn("\"InstallDir\"=\"loose\"\n"
                              "[Software\\\\Titanic Entertainment\\\\NetStorm\\\\Sub] 1\n"
                              "\"InstallDir\"=\"sub\"\n"
                              "[Software\\\\Titanic Entertainment\\\\NetStorm2] 1\n"
                              "\"InstallDir\"=\"two\"\n"),
                 kNotFound);
        QCOMPARE(InstallDirIn("[Software\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                              "\"Version\"=\"1.0\"\n"),
                 kNotFound);
        // A key written twice: as when Wine loads the file, the last value counts.
        QCOMPARE(InstallDirIn("[Software\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                              "\"InstallDir\"=\"first\"\n"
                              "[Software\\\\Wine] 1\n"
                              "[Software\\\\Titanic Entertainment\\\\NetStorm] 2\n"
                              "\"InstallDir\"=\"second\"\n"),
                 String("second"));
    }

    void theDefaultValueIsWrittenWithAnAt() {
        const std::string file = RegFile("[K] 1\n@=\"default\"\n\"V\"=\"named\"\n");
        QCOMPARE(FindWineRegistryValue(file, "K", ""), String("default"));
        QCOMPARE(FindWineRegistryValue(file, "K", "V"), String("named"));
        QCOMPARE(FindWineRegistryValue(RegFile("[K] 1\n@=\"default\"\n"), "K", "InstallDir"),
                 kNotFound);
    }

    void escapesInStringsAndKeyNames() {
        QCOMPARE(DataOf("\"a\\\\b\\\"c\\nd\\re\\tf\""), String("a\\b\"c\nd\re\tf"));
        QCOMPARE(DataOf("\"nul\\0end\""), String(std::string("nul\0end", 7)));
        // \x takes up to four hex digits, giving UTF-16 code units, produced as UTF-8.
        QCOMPARE(DataOf("\"caf\\x00e9!\""), String("caf\xC3\xA9!"));
        QCOMPARE(DataOf("\"\\xe9t\\xe9\""), String("\xC3\xA9t\xC3\xA9"));
        QCOMPARE(DataOf("\"\\x263a12\""), String("\xE2\x98\xBA"
                                                 "12"));
        QCOMPARE(DataOf("\"\\xd83d\\xde00\""), String("\xF0\x9F\x98\x80"));
        QCOMPARE(DataOf("\"lone \\xd83d!\""), String("lone \xEF\xBF\xBD!"));
        QCOMPARE(DataOf("\"\\xzz\""), String("xzz"));
        // The file is UTF-8: raw multi-byte text stays, a stray byte becomes U+FFFD.
        QCOMPARE(DataOf("\"C:\\\\Sp\xC3\xA9le\""), String("C:\\Sp\xC3\xA9le"));
        QCOMPARE(DataOf("\"4\xFF\xC3\""), String("4\xEF\xBF\xBD\xEF\xBF\xBD"));
        // Key names use the same escapes: "\]" does not end the bracket.
        QCOMPARE(FindWineRegistryValue(RegFile("[Caf\\x00e9\\\\a\\]b] 1\n\"V\"=\"ok\"\n"),
                                       "caf\xC3\xA9\\a]b", "v"),
                 String("ok"));
    }

    void octalEscapesReadAsWineWritesThem() {
        // Wine writes a control character without a letter escape as "\" and its code in
        // octal, with three digits when an octal digit follows.
        const struct {
            const char* data;
            std::string text;
        } cases[] = {
            {"\"A\\1B\"", "A\x01"
                          "B"},
            {"\"C:\\\\A\\0017\"", "C:\\A\x01"
                                  "7"},
            {"\"\\0\"", std::string(1, '\0')},
            {"\"\\101\\1011\"", "AA1"}, // three digits at most
            {"\"\\33[0m\"", "\x1B[0m"},
            {"\"\\400\"", "\xC4\x80"}, // U+0100: Wine reads up to \777
            {"\"\\8\\9\"", "89"},      // not octal: the character itself
            {"\"\\a\\b\\e\\f\\v\"", "\a\b\x1B\f\v"},
        };
        for (const auto& [data, text] : cases)
            QVERIFY2(DataOf(data) == String(text), data);
        // Key and value names are escaped alike.
        QCOMPARE(
            FindWineRegistryValue(RegFile("[K\\\\A\\1] 1\n\"V\\2\"=\"x\"\n"), "K\\A\x01", "V\x02"),
            String("x"));
    }

    void illFormedUtf8BecomesReplacementCharacters() {
        // One U+FFFD for each maximal part of a sequence that could have begun well.
        const std::string fffd = "\xEF\xBF\xBD";
        const struct {
            std::string raw, text;
        } cases[] = {
            {"\xC0\xAF", fffd + fffd},                       // overlong "/"
            {"\xE0\x80\xAF", fffd + fffd + fffd},            // overlong, three bytes
            {"\xED\xA0\x80", fffd + fffd + fffd},            // a surrogate
            {"\xF4\x90\x80\x80", fffd + fffd + fffd + fffd}, // above U+10FFFF
            {"\xF5\x80", fffd + fffd},
            {"\xE2\x98x", fffd + "x"}, // cut short
            {"\x80"
             "a",
             fffd + "a"},
            {"\xED\x9F\xBF\xF4\x8F\xBF\xBF\xC2\x80", "\xED\x9F\xBF\xF4\x8F\xBF\xBF\xC2\x80"},
        };
        for (const auto& [raw, text] : cases)
            QVERIFY2(DataOf("\"" + raw + "\"") == String(text),
                     qPrintable(QByteArray::fromStdString(raw).toHex()));
    }

    void anUnreadableFileIsNotFound() {
        const std::string holdsKey = RegFile("[Software\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                                             "\"InstallDir\"=\"C:\\\\NS\"\n");
        const fs::path file = Prefix() / "system.reg";
        const std::string_view keys[] = {kGameKey};
        const auto answer = [&] { return FindInWineRegistryFile(file, keys, "InstallDir"); };
        WriteFile(file, holdsKey);
        QCOMPARE(answer(), (RegistryFileAnswer{RegistryFileState::Read, String("C:\\NS")}));

        // Past the size limit nothing is read, so a sparse file of any size costs nothing.
        fs::resize_file(file, kMaxRegistryFileBytes + 1);
        QCOMPARE(answer(), (RegistryFileAnswer{RegistryFileState::TooLarge, kNotFound}));
        fs::resize_file(file, 20ull << 30);
        QCOMPARE(answer().state, RegistryFileState::TooLarge);
        fs::remove(file);

        // A read error (the kernel refuses reads of its own memory at offset 0), a pipe with
        // no writer, a folder, a link to nothing: not found, without an exception or a wait.
        fs::create_symlink("/proc/self/mem", file);
        QCOMPARE(answer(), (RegistryFileAnswer{RegistryFileState::Unreadable, kNotFound}));
        fs::remove(file);
        QCOMPARE(mkfifo(file.c_str(), 0600), 0);
        QCOMPARE(answer().state, RegistryFileState::Unreadable);
        fs::remove(file);
        fs::create_directory(file);
        QCOMPARE(answer().state, RegistryFileState::Unreadable);
        fs::remove(file);
        fs::create_symlink("nowhere", file);
        QCOMPARE(answer().state, RegistryFileState::Missing);
        fs::remove(file);
        WriteFile(file, "REGEDIT4\n" + holdsKey);
        QCOMPARE(answer(), (RegistryFileAnswer{RegistryFileState::NotARegistry, kNotFound}));
        fs::remove(file);
    }

    void theFileIsReadOnlyUntilTheAnswerIsSettled() {
        // The key's first section settles it: what follows is never parsed, so a second
        // section (which Wine never writes) is not reached; a later-preferred key is read on.
        const fs::path file = Prefix() / "system.reg";
        const std::string_view keys[] = {"First", "Second"};
        WriteFile(file, RegFile("[Second] 1\n\"V\"=\"second\"\n[First] 1\n\"V\"=\"first\"\n"
                                "[Other] 1\n[First] 1\n\"V\"=\"again\"\n"));
        QCOMPARE(FindInWineRegistryFile(file, keys, "V").value, String("first"));
        WriteFile(file, RegFile("[First] 1\n\"W\"=\"x\"\n[Second] 1\n\"V\"=\"second\"\n"));
        QCOMPARE(FindInWineRegistryFile(file, keys, "V").value, String("second"));
        fs::remove(file);
    }

    void longLinesCostLinearTime() {
        // A line of 32 MB, half of it brackets that start no key: the file is read in pieces,
        // and no piece may send the reader back over what it has already looked at.
        const fs::path file = Prefix() / "system.reg";
        std::string brackets;
        while (brackets.size() < (16 << 20))
            brackets += "x[";
        WriteFile(file, RegFile(" " + brackets + std::string(16 << 20, 'x') +
                                "\n[K] 1\n\"V\"=\"found\"\n"));
        const std::string_view keys[] = {"K"};
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(FindInWineRegistryFile(file, keys, "V").value, String("found"));
        QVERIFY2(timer.elapsed() < 20'000, "a hang, not a slow machine");
        fs::remove(file);
    }

    void namesMatchAsWindowsUpperCasesThem() {
        const struct {
            const char* a;
            const char* b;
            bool same;
        } cases[] = {
            {"N\u00e9tstorm", "N\u00c9TSTORM", true},             // Latin-1
            {"\u00ff\u00e6\u00fe", "\u0178\u00c6\u00de", true},   // ÿ -> Ÿ in Latin Extended-A
            {"\u0142\u00f3d\u017a", "\u0141\u00d3D\u0179", true}, // Latin Extended-A
            {"\u03c0\u03b1\u03b9\u03c7\u03bd\u03af\u03b4\u03b9\u03b1",
             "\u03a0\u0391\u0399\u03a7\u039d\u038a\u0394\u0399\u0391", true},
            {"\u03c3\u03c2", "\u03a3\u03a3", true}, // both sigmas
            {"\u0438\u0433\u0440\u044b \u0451", "\u0418\u0413\u0420\u042b \u0401", true},
            {"\u00b5", "\u039c", true},        // micro sign -> capital mu
            {"stra\u00dfe", "STRASSE", false}, // no letter becomes two
            {"\u00e9", "e", false},
            {"\xff", "\xfe", false}, // ill-formed bytes: only themselves
            {"\xff", "\xff", true},
            {"a", "ab", false},
        };
        for (const auto& [a, b, same] : cases)
            QVERIFY2(SameWindowsName(a, b) == same, a);

        const fs::path folder = Prefix() / "drive_c" / "N\u00c9TSTORM" / "\u0418\u0413\u0420\u042b";
        fs::create_directories(folder);
        fs::create_directories(Prefix() / "dosdevices");
        fs::create_directory_symlink("../drive_c", Prefix() / "dosdevices" / "c:");
        QCOMPARE(LocalFolderInWinePrefix(Prefix(), "C:\\N\u00e9tstorm\\\u0438\u0433\u0440\u044b\\"),
                 fs::canonical(folder).string() + "/");
        fs::remove_all(Prefix() / "drive_c");
        fs::remove_all(Prefix() / "dosdevices");
    }

    void onlyTextValuesAreStrings() {
        QCOMPARE(DataOf("str(2):\"%ProgramFiles%\\\\NS\""), String("%ProgramFiles%\\NS"));
        QCOMPARE(DataOf("str(7):\"one\\0two\\0\""), kWrongType);
        QCOMPARE(DataOf("dword:0000000a"), kWrongType);
        QCOMPARE(DataOf("hex:01,02,03"), kWrongType);
        QCOMPARE(DataOf("hex:"), kWrongType);
        QCOMPARE(DataOf("hex(4):0a,00,00,00"), kWrongType);
        // A text value stored as bytes (Wine does so for one without its terminating NUL) is
        // UTF-16 text all the same.
        QCOMPARE(DataOf("hex(1):43,00,3a,00,5c,00"), String("C:\\"));
        QCOMPARE(DataOf("hex(2):43,00,3a,00,00,00"), String("C:"));
    }

    void hexValuesContinueOverLines() {
        const std::string file = RegFile("[K] 1\n"
                                         "\"Blob\"=hex:01,02,03,04,05,06,07,08,09,0a,0b,\\\n"
                                         "  0c,0d,0e,\\\n"
                                         "  0f\n"
                                         "\"Path\"=hex(1):43,00,3a,00,5c,00,4e,00,\\\n"
                                         "  53,00,00,00\n"
                                         "\"After\"=\"still read\"\n");
        QCOMPARE(FindWineRegistryValue(file, "K", "Blob"), kWrongType);
        QCOMPARE(FindWineRegistryValue(file, "K", "Path"), String("C:\\NS"));
        QCOMPARE(FindWineRegistryValue(file, "K", "After"), String("still read"));
        // A continuation at the end of the file has nothing to continue with.
        QCOMPARE(FindWineRegistryValue(RegFile("[K] 1\n\"P\"=hex(1):43,00,\\\n"), "K", "P"),
                 kNotFound);
    }

    void malformedLinesHoldNoValue() {
        for (const char* data :
             {"\"unterminated", "\"text\" junk", "dword:", "dword:zz", "hex:1,zz", "hex(1:41,00",
              "str(2)\"x\"", "\"trailing\\", "bogus:\"x\"", ""})
            QVERIFY2(DataOf(data) == kNotFound, data);
        // A malformed line spoils only itself.
        QCOMPARE(FindWineRegistryValue(RegFile("[K] 1\n\"V\"=\"good\"\n\"V\"=dword:\n"), "K", "V"),
                 String("good"));
        // An unclosed bracket starts no key, so what follows belongs to none.
        QCOMPARE(FindWineRegistryValue(RegFile("[K] 1\n[K\n\"V\"=\"x\"\n"), "K", "V"), kNotFound);
    }

    void aLineTooLongHoldsNoValueAndNamesNoKey() {
        const std::string key = "[Software\\\\Titanic Entertainment\\\\NetStorm] 1";
        const std::string value = "\"InstallDir\"=\"C:\\\\NS\"\n";
        // Filling that makes a line exactly as long as the bound: still read.
        const auto filling = [](std::string_view line) {
            return std::string(kMaxRegistryLineBytes - line.size(), ' ');
        };
        const std::string tooLong(kMaxRegistryLineBytes, 'x');
        std::string hexTooLong = "\"InstallDir\"=hex(1):43,00,\\\n";
        while (hexTooLong.size() < 2 * kMaxRegistryLineBytes)
            hexTooLong += "  3a,00,3a,00,3a,00,3a,00,3a,00,3a,00,3a,00,3a,00,3a,00,3a,00,\\\n";
        const struct {
            const char* what;
            std::string body;
            RegistryValue expected;
        } kCases[] = {
            {"a key line at the bound", key + filling(key) + "\n" + value, String("C:\\NS")},
            {"a key line past it", key + filling(key) + " \n" + value, kNotFound},
            {"a value line at the bound",
             key + "\n\"InstallDir\"=\"C:\\\\NS\"" + filling("\"InstallDir\"=\"C:\\\\NS\"") + "\n",
             String("C:\\NS")},
            {"a value line past it", key + "\n\"InstallDir\"=\"" + tooLong + "\"\n", kNotFound},
            {"a value line past it, unended", key + "\n\"InstallDir\"=\"" + tooLong, kNotFound},
            // The key goes on after another value's line too long.
            {"another value past it", key + "\n\"Other\"=\"" + tooLong + "\"\n" + value,
             String("C:\\NS")},
            {"a key line past it after the key's", key + "\n[" + tooLong + "] 1\n" + value,
             kNotFound},
            {"hex data joined past it", key + "\n" + hexTooLong + "  00,00\n", kNotFound},
        };
        for (const auto& c : kCases)
            QVERIFY2(InstallDirIn(c.body) == c.expected, c.what);
        QCOMPARE(FindWineRegistryValue("WINE REGISTRY Version 2" +
                                           std::string(tooLong.size(), ' ') + "\n" + key + "\n" +
                                           value,
                                       kGameKey, "InstallDir"),
                 kNotFound);
    }

    void aFileThatIsNoRegistryHoldsNothing() {
        const std::string body = "[K] 1\n\"V\"=\"x\"\n";
        QCOMPARE(FindWineRegistryValue(body, "K", "V"), kNotFound);
        QCOMPARE(FindWineRegistryValue("WINE REGISTRY Version 1\n" + body, "K", "V"), kNotFound);
        QCOMPARE(FindWineRegistryValue("", "K", "V"), kNotFound);
        QCOMPARE(FindWineRegistryValue(std::string("\0\xFF\x01[K]\n\"V\"=\"x\"", 15), "K", "V"),
                 kNotFound);
    }

    void aTruncatedFileNeverGivesAPartialValue() {
        const std::string file = RegFile("[Software\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                                         "\"InstallDir\"=\"C:\\\\Games\\\\N\\x00e9tStorm\"\n");
        const RegistryValue full = String("C:\\Games\\N\xC3\xA9tStorm");
        for (std::size_t length = 0; length <= file.size(); ++length) {
            const RegistryValue value =
                FindWineRegistryValue(file.substr(0, length), kGameKey, "InstallDir");
            QVERIFY2(value == kNotFound || value == full, qPrintable(QString::number(length)));
        }
        QCOMPARE(FindWineRegistryValue(file, kGameKey, "InstallDir"), full);
    }

    void binaryGarbageNeverCrashes() {
        // Registry-like text with bytes flipped at random: any answer but a crash or a hang.
        std::string file =
            RegFile("[K] 1\n\"V\"=hex(1):43,00,\\\n  3a,00\n\"W\"=\"a\\x00e9\\\\\"\n");
        std::uint32_t seed = 12345;
        for (int round = 0; round < 2000; ++round) {
            std::string mangled = file;
            for (int flips = 0; flips < 4; ++flips) {
                seed = seed * 1664525u + 1013904223u;
                mangled[seed % mangled.size()] = static_cast<char>(seed >> 24);
            }
            const auto value = FindWineRegistryValue(mangled, "K", "V");
            QVERIFY(value.status == RegistryValueStatus::String || value.text.empty());
        }
    }

    void theInstallDirIsLookedForInThe32BitViewFirst() {
        const fs::path file = Prefix() / "system.reg";
        WriteFile(file, RegFile("[Software\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                                "\"InstallDir\"=\"C:\\\\Plain\\\\\"\n"
                                "[Software\\\\Wow6432Node\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                                "\"InstallDir\"=\"C:\\\\Wow\\\\\"\n"));
        QCOMPARE(Text(ReadInstallDirFromWinePrefix(Prefix())), std::string("C:\\Wow\\"));

        WriteFile(file, RegFile("[Software\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                                "\"InstallDir\"=\"C:\\\\Plain\\\\\"\n"));
        QCOMPARE(Text(ReadInstallDirFromWinePrefix(Prefix())), std::string("C:\\Plain\\"));

        // A NUL ends the text, as Windows reads it.
        WriteFile(file, RegFile("[Software\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                                "\"InstallDir\"=\"C:\\\\NS\\0junk\"\n"));
        QCOMPARE(Text(ReadInstallDirFromWinePrefix(Prefix())), std::string("C:\\NS"));
    }

    void aWrongTypeIsAnErrorAndAbsenceIsNot() {
        const fs::path file = Prefix() / "system.reg";
        WriteFile(file, RegFile("[Software\\\\Wow6432Node\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                                "\"InstallDir\"=dword:00000001\n"
                                "[Software\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                                "\"InstallDir\"=\"C:\\\\Plain\\\\\"\n"));
        const InstallDirLookup wrong = ReadInstallDirFromWinePrefix(Prefix()).lookup;
        QCOMPARE(wrong.outcome, InstallDirLookup::Outcome::NotText);
        QVERIFY(InstallDirProblem(wrong).contains("\"InstallDir\""));

        WriteFile(file, RegFile("[Software\\\\Wine] 1\n\"InstallDir\"=\"C:\\\\Wine\"\n"));
        QCOMPARE(ReadInstallDirFromWinePrefix(Prefix()).lookup, InstallDirLookup{});
        fs::remove(file);
        QCOMPARE(ReadInstallDirFromWinePrefix(Prefix()).lookup, InstallDirLookup{});
        // Neither a folder nor a pipe in the file's place blocks or fails the reader.
        fs::create_directory(file);
        QCOMPARE(ReadInstallDirFromWinePrefix(Prefix()).lookup, InstallDirLookup{});
        fs::remove(file);
    }

    void theWinePrefixComesFromTheEnvironment() {
        WriteFile(Prefix() / "system.reg",
                  RegFile("[Software\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                          "\"InstallDir\"=\"C:\\\\FromEnv\"\n"));
        qputenv("WINEPREFIX", prefix_.path().toUtf8());
        QCOMPARE(ReadInstallDir().installDir, std::string("C:\\FromEnv"));
        qunsetenv("WINEPREFIX");
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", prefix_.path().toUtf8());
        QCOMPARE(CandidatePrefixes(SearchStart::FromEnvironment()).front(), Prefix() / ".wine");
        QCOMPARE(ReadInstallDir(), InstallDirLookup{});
        qputenv("HOME", home);
    }

    void dialogFoldersMapThroughTheDriveLinks() {
        const fs::path driveC = Prefix() / "drive_c";
        fs::create_directories(driveC / "Games" / "NetStorm" / "D");
        fs::create_directories(Prefix() / "dosdevices");
        fs::create_directory_symlink("../drive_c", Prefix() / "dosdevices" / "c:");
        const std::string local = fs::canonical(driveC).string();

        QCOMPARE(LocalFolderInWinePrefix(Prefix(), "C:\\Games\\NetStorm\\D\\"),
                 local + "/Games/NetStorm/D/");
        // Windows names ignore case, the local folders do not.
        QCOMPARE(LocalFolderInWinePrefix(Prefix(), "c:\\GAMES\\netstorm\\D\\"),
                 local + "/Games/NetStorm/D/");
        // A folder that does not exist (yet) keeps its names as written.
        QCOMPARE(LocalFolderInWinePrefix(Prefix(), "C:\\Games\\New\\D\\"), local + "/Games/New/D/");
        // What the prefix cannot map is used as it is; a relative folder stays relative.
        QCOMPARE(LocalFolderInWinePrefix(Prefix(), "E:\\NetStorm\\D\\"),
                 std::string("E:\\NetStorm\\D\\"));
        QCOMPARE(LocalFolderInWinePrefix(Prefix(), "\\\\server\\share\\D\\"),
                 std::string("\\\\server\\share\\D\\"));
        QCOMPARE(LocalFolderInWinePrefix(Prefix(), "D\\"), std::string("D/"));

        QCOMPARE(LocalDialogFolder("C:\\Games\\NetStorm", Prefix()), local + "/Games/NetStorm/D/");
        QCOMPARE(LocalDialogFolder("", Prefix()), std::string("D/"));
    }

    void dotDotStopsAtTheDrivesRootAsOnWindows() {
        const fs::path driveC = Prefix() / "drive_c";
        fs::remove_all(driveC);
        fs::remove_all(Prefix() / "dosdevices");
        fs::create_directories(driveC / "Games" / "NetStorm" / "D");
        fs::create_directories(Prefix() / "dosdevices");
        fs::create_directory_symlink("../drive_c", Prefix() / "dosdevices" / "c:");
        const std::string root = fs::canonical(driveC).string();
        const struct {
            const char* windowsPath;
            const char* underDriveC;
        } kCases[] = {
            {"C:\\..\\..\\..\\tmp\\x\\D\\", "/tmp/x/D/"},
            {"C:\\..", ""},
            {"C:\\Games\\..\\..\\", "/"},
            {"C:\\Games\\NetStorm\\..\\..\\..\\D\\", "/D/"},
            {"C:\\Games\\..\\NetStorm\\D\\", "/NetStorm/D/"},
            {"C:\\.\\Games\\.\\NetStorm\\D\\", "/Games/NetStorm/D/"},
            // Names are resolved before the disk is asked, so a missing folder taken away by
            // ".." does not keep the folders after it from being found in any letter case.
            {"C:\\Missing\\..\\games\\NETSTORM\\d\\", "/Games/NetStorm/D/"},
            {"C:/Games/NetStorm/../../Games/NetStorm/D/", "/Games/NetStorm/D/"},
        };
        for (const auto& c : kCases) {
            const std::string local = LocalFolderInWinePrefix(Prefix(), c.windowsPath);
            QVERIFY2(local == root + c.underDriveC,
                     qPrintable(QStringLiteral("%1 gave %2").arg(c.windowsPath, local.c_str())));
        }
        // A relative path is the working folder's business, as on Windows.
        QCOMPARE(LocalFolderInWinePrefix(Prefix(), "..\\x\\D\\"), std::string("../x/D/"));
        QCOMPARE(LocalDialogFolder("C:\\..\\..\\..\\tmp\\x", Prefix()), root + "/tmp/x/D/");
        fs::remove_all(driveC);
        fs::remove_all(Prefix() / "dosdevices");
    }

    void manyFolderNamesMapInLinearTimeAndNoValueIsLongerThanAWindowsPath() {
        const fs::path driveC = Prefix() / "drive_c";
        fs::remove_all(driveC);
        fs::remove_all(Prefix() / "dosdevices");
        fs::create_directories(driveC / "a" / "A");
        fs::create_directories(Prefix() / "dosdevices");
        fs::create_directory_symlink("../drive_c", Prefix() / "dosdevices" / "c:");
        std::string many = "C:";
        for (int k = 0; k < 20'000; ++k)
            many += "\\a";
        QElapsedTimer timer;
        timer.start();
        const std::string local = LocalDialogFolder(many, Prefix());
        const qint64 elapsed = timer.elapsed();
        QVERIFY2(elapsed < 500, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
        // The folders on disk by their own names, the rest as written.
        const std::string root = fs::canonical(driveC).string();
        QVERIFY(local.starts_with(root + "/a/A/a/a/"));
        QCOMPARE(local.size(), root.size() + 2 * 20'000 + 3);
        QVERIFY(local.ends_with("/a/D/"));

        // Windows counts a path's length in UTF-16 code units.
        QCOMPARE(InstallDirLookup::Found(many.substr(0, 32'767)).installDir.size(), 32'767u);
        QCOMPARE(InstallDirLookup::Found(many.substr(0, 32'768)), InstallDirLookup{});
        std::string accented = "C:\\";
        while (accented.size() < 3 + 2 * 32'764)
            accented += "\u00e9";
        QCOMPARE(InstallDirLookup::Found(accented).outcome, InstallDirLookup::Outcome::Found);
        QCOMPARE(InstallDirLookup::Found(accented.substr(0, accented.size() - 2) + "\U0001F600"),
                 InstallDirLookup{});
        // So a registry value of many names is not found, and costs nothing to map.
        WriteFile(Prefix() / "system.reg",
                  RegFile("[Software\\\\Titanic Entertainment\\\\NetStorm] 1\n\"InstallDir\"=\"" +
                          QString::fromStdString(many).replace("\\", "\\\\").toStdString() +
                          "\"\n"));
        QCOMPARE(ReadInstallDirFromWinePrefix(Prefix()).lookup, InstallDirLookup{});
        fs::remove(Prefix() / "system.reg");
        fs::remove_all(driveC);
        fs::remove_all(Prefix() / "dosdevices");
    }
};

QTEST_APPLESS_MAIN(RegistryTest)
#include "test_registry.moc"
