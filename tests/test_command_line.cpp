// The program's command line, run as a process: what it prints and that it needs no display.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err = {};
};

void Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT
    QTemporaryDir home_;

    // The program with `arguments`, in the made-up home, which is its HOME and working folder,
    // WINEPREFIX as given (unset when empty) and no display: the X11 platform is asked for,
    // which fails without one, if a window were ever made.
    Run Start(const QStringList& arguments, const QString& winePrefix = {}) const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home_.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.remove(QStringLiteral("WINEPREFIX"));
        if (!winePrefix.isEmpty())
            environment.insert(QStringLiteral("WINEPREFIX"), winePrefix);
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        QProcess process;
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(home_.path());
        process.start(QStringLiteral(VORNASK_PROGRAM), arguments);
        if (!process.waitForFinished(30'000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }

    fs::path Home() const { return home_.path().toStdString(); }

private slots:
    void helpAndVersionNeedNoDisplay() {
        const Run help = Start({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QStringLiteral("--find-game")));
        QVERIFY(help.out.contains(QStringLiteral("--check")));
        QVERIFY(help.out.contains(QStringLiteral("[FILE]")));
        const Run version = Start({QStringLiteral("--version")});
        QCOMPARE(version.exitCode, 0);
        QCOMPARE(version.out.trimmed(), QStringLiteral("vornask-creator " VORNASK_VERSION));
        QCOMPARE(Start({QStringLiteral("--no-such-option")}).exitCode, 1);
        QCOMPARE(Start({QStringLiteral("one"), QStringLiteral("two")}).exitCode, 1);
    }

    void findGameSaysWhereItLookedAndWhatItFound() {
        const Run none = Start({QStringLiteral("--find-game")});
        QCOMPARE(none.exitCode, 1);
        QVERIFY2(none.out.contains(home_.path() + "/.wine: no system.reg"), qPrintable(none.out));
        QVERIFY(none.out.contains(QStringLiteral("WINEPREFIX set to the game's Wine prefix")));
        // The folder the dialogs really start in, as an absolute path.
        QVERIFY2(none.out.endsWith(QStringLiteral("The folder %1/D/ does not exist, so the file "
                                                  "dialogs start in the working folder.\n"
                                                  "The file dialogs start in: %1\n")
                                       .arg(home_.path())),
                 qPrintable(none.out));
        fs::create_directory(Home() / "D");
        QVERIFY(Start({QStringLiteral("--find-game")})
                    .out.endsWith("The file dialogs start in: " + home_.path() + "/D/\n"));
        fs::remove(Home() / "D");
        // WINEPREFIX set: no advice to set it.
        const Run inPrefix = Start({QStringLiteral("--find-game")}, home_.path());
        QCOMPARE(inPrefix.exitCode, 1);
        QVERIFY2(inPrefix.out.contains("The game's registry key was not found.\n") &&
                     !inPrefix.out.contains("start the program with WINEPREFIX"),
                 qPrintable(inPrefix.out));

        const fs::path other = Home() / ".cxoffice" / "other";
        fs::create_directories(other);
        std::ofstream(other / "system.reg") << "WINE REGISTRY Version 2\n[Software\\\\Wine] 1\n";
        const fs::path game = Home() / "Games" / "netstorm";
        fs::create_directories(game / "drive_c" / "N\u00c9TSTORM");
        fs::create_directories(game / "dosdevices");
        fs::create_directory_symlink("../drive_c", game / "dosdevices" / "c:");
        std::ofstream(game / "system.reg")
            << "WINE REGISTRY Version 2\n[Software\\\\Wow6432Node\\\\Titanic "
               "Entertainment\\\\NetStorm] 1\n\"InstallDir\"=\"C:\\\\N\\xe9tStorm\"\n";
        // The Qt options are left to Qt, not refused.
        const Run found = Start({QStringLiteral("-platform"), QStringLiteral("offscreen"),
                                 QStringLiteral("--find-game")});
        QCOMPARE(found.exitCode, 0);
        const QString local = QString::fromStdString(fs::canonical(game / "drive_c").string());
        const QStringList expected = {
            "Wine prefixes looked at, in order:",
            "  " + home_.path() + "/.wine: no system.reg",
            "  " + QString::fromStdString(game.string()) + ": holds the game",
            "The game's prefix: " + QString::fromStdString(game.string()),
            QStringLiteral("InstallDir: C:\\N\u00e9tStorm"),
            "The folder " + local +
                QStringLiteral("/N\u00c9TSTORM/D/ does not exist, so the file dialogs start in "
                               "the working folder."),
            "The file dialogs start in: " + home_.path(),
        };
        QCOMPARE(found.out.split('\n', Qt::SkipEmptyParts), expected);
        fs::create_directory(game / "drive_c" / "N\u00c9TSTORM" / "D");
        QCOMPARE(Start({QStringLiteral("--find-game")}).out.split('\n').at(5),
                 "The file dialogs start in: " + local + QStringLiteral("/N\u00c9TSTORM/D/"));
        fs::remove(game / "dosdevices" / "c:");
        QCOMPARE(Start({QStringLiteral("--find-game")}).out.split('\n').mid(5, 2),
                 (QStringList{"The prefix has no drive mapping for C: (no such link in " +
                                  QString::fromStdString((game / "dosdevices").string()) +
                                  "), so InstallDir names no folder here.",
                              "The file dialogs start in: " + home_.path()}));
    }

    // A map pack checked in one command: each finding as FILE:LINE: message, a guide's mission
    // files under their own names and once, the next missions looked for beside each file and
    // in the game's D folder; the status says whether anything was found or a file unreadable.
    void checkSaysWhatItFoundInAMapPack() {
        const fs::path pack = Home() / "pack";
        fs::create_directories(pack);
        const std::string clean = "[Header]\r\ntitle = \"Ice\"\r\n[Failed]\r\n"
                                  "$Button=Continue,Tell,TryAgain\r\n[END]\r\n";
        Write(pack / "Ice.english", clean);
        Write(pack / "Lake.english", "[Header]\nai2Color = cyan\n[Succeeded]\n"
                                     "$Button=Next Mission,MissionBegin,Own\n");
        Write(pack / "GuideSaga.english", "[Overview]\n"
                                          "$Checked=1 Ice,MissionBegin,Ice,{DoneIce},1\n"
                                          "$Checked=2 Lake,MissionBegin,Lake,{DoneLake},1\n"
                                          "$Checked=3 Gone,MissionBegin,Gone,{DoneGone},1\n");
        Write(pack / "notes.english", "Not a game file.\n"); // passed over in a folder
        Write(pack / "Ice.map", "[Header]\n$Buton=x\n");     // no game text file
        const QString folder = QStringLiteral("pack");
        const QString colour = "pack/Lake.english:2: the game ignores the colour \"cyan\" of "
                               "ai2Color; it knows none, blue, red, white, green, purple, yellow, "
                               "lightblue, orange.";
        const QString own = "pack/Lake.english:4: the mission file Own.english is neither beside "
                            "this file nor in the game's D folder.";
        const QString gone = "pack/GuideSaga.english:4: the mission file Gone.english is neither "
                             "beside the guide nor in the game's D folder.";
        const Run all = Start({QStringLiteral("--check"), folder});
        QCOMPARE(all.out.split('\n'),
                 (QStringList{gone, colour, own, "Files checked: 3. Findings: 3.", ""}));
        QCOMPARE(all.exitCode, 1);
        QCOMPARE(all.err, QString());

        // The guide alone: its mission files' findings under their names.
        QCOMPARE(Start({"--check", "pack/GuideSaga.english"}).out.split('\n'),
                 (QStringList{gone, colour, own, "Files checked: 1. Findings: 3.", ""}));

        // The next mission in the game's D folder, found through the registry.
        const fs::path game = Home() / "prefix";
        fs::create_directories(game / "drive_c" / "Games" / "NetStorm" / "D");
        fs::create_directories(game / "dosdevices");
        fs::create_directory_symlink("../drive_c", game / "dosdevices" / "c:");
        Write(game / "system.reg", "WINE REGISTRY Version 2\n[Software\\\\Titanic "
                                   "Entertainment\\\\NetStorm] 1\n"
                                   "\"InstallDir\"=\"C:\\\\Games\\\\NetStorm\"\n");
        Write(game / "drive_c" / "Games" / "NetStorm" / "D" / "OWN.english", clean);
        const Run inGame =
            Start({"--check", "pack/Lake.english"}, QString::fromStdString(game.string()));
        QCOMPARE(inGame.out.split('\n'),
                 (QStringList{colour, "Files checked: 1. Findings: 1.", ""}));

        const Run nothing = Start({"--check", "pack/Ice.english"});
        QCOMPARE(nothing.exitCode, 0);
        QCOMPARE(nothing.out, QStringLiteral("Files checked: 1. Findings: 0.\n"));

        // A file that cannot be read, or is no game file, is named on standard error.
        const Run unreadable = Start({"--check", "pack/Ice.english", "pack/None.english",
                                      "pack/notes.english", "pack/Lake.english"});
        QCOMPARE(unreadable.exitCode, 2);
        QCOMPARE(unreadable.err.split('\n'),
                 (QStringList{"Cannot check pack/None.english: there is no such file.",
                              "Cannot check pack/notes.english: it is neither a mission file (no "
                              "[Header] section) nor a campaign guide file (no [Overview] "
                              "section).",
                              ""}));
        QVERIFY2(unreadable.out.endsWith("Files checked: 2. Findings: 2. Files that could not be "
                                         "checked: 2.\n"),
                 qPrintable(unreadable.out));
        QCOMPARE(Start({QStringLiteral("--check")}).exitCode, 2);

        // What the file and its name hold is printed as it is, "%1" and all.
        fs::create_directories(Home() / "odd");
        Write(Home() / "odd" / "50%1.english", "[Header]\nk%2 = 1\nK%2 = 2\n");
        QCOMPARE(Start({"--check", "odd"}).out,
                 QStringLiteral("odd/50%1.english:3: K%2 is given a second time; the game uses the "
                                "value on line 2.\nFiles checked: 1. Findings: 1.\n"));
        fs::remove_all(Home() / "odd");
        fs::remove_all(pack);
        fs::remove_all(game);
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
