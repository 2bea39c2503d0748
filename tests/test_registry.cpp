#include "core/registry/InstallFolder.h"
#include "core/registry/WineRegistry.h"
#include "ui/platform/WindowsRegistry.h"

#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

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

std::string Text(const InstallDirLookup& lookup) {
    return lookup.installDir;
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
        const InstallDirLookup wrong = ReadInstallDirFromWinePrefix(Prefix());
        QCOMPARE(wrong.outcome, InstallDirLookup::Outcome::Error);
        QVERIFY(wrong.error.find("InstallDir") != std::string::npos);

        WriteFile(file, RegFile("[Software\\\\Wine] 1\n\"InstallDir\"=\"C:\\\\Wine\"\n"));
        QCOMPARE(ReadInstallDirFromWinePrefix(Prefix()), InstallDirLookup{});
        fs::remove(file);
        QCOMPARE(ReadInstallDirFromWinePrefix(Prefix()), InstallDirLookup{});
        // Neither a folder nor a pipe in the file's place blocks or fails the reader.
        fs::create_directory(file);
        QCOMPARE(ReadInstallDirFromWinePrefix(Prefix()), InstallDirLookup{});
        fs::remove(file);
    }

    void theWinePrefixComesFromTheEnvironment() {
        WriteFile(Prefix() / "system.reg",
                  RegFile("[Software\\\\Titanic Entertainment\\\\NetStorm] 1\n"
                          "\"InstallDir\"=\"C:\\\\FromEnv\"\n"));
        qputenv("WINEPREFIX", prefix_.path().toUtf8());
        QCOMPARE(Text(ReadInstallDir()), std::string("C:\\FromEnv"));
        qunsetenv("WINEPREFIX");
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", prefix_.path().toUtf8());
        QCOMPARE(WinePrefix(), std::optional(Prefix() / ".wine"));
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

        qputenv("WINEPREFIX", prefix_.path().toUtf8());
        QCOMPARE(LocalDialogFolder("C:\\Games\\NetStorm"), local + "/Games/NetStorm/D/");
        QCOMPARE(LocalDialogFolder(""), std::string("D/"));
        qunsetenv("WINEPREFIX");
    }
};

QTEST_APPLESS_MAIN(RegistryTest)
#include "test_registry.moc"
