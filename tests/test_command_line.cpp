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
};

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
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput())};
    }

    fs::path Home() const { return home_.path().toStdString(); }

private slots:
    void helpAndVersionNeedNoDisplay() {
        const Run help = Start({QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(help.out.contains(QStringLiteral("--find-game")));
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

    void findGameSaysARegistryFileTooLargeWasPassedOver() {
        // 100 MB (sparse: no disk), beyond any real prefix's registry file.
        const fs::path prefix = Home() / "huge";
        fs::create_directories(prefix);
        std::ofstream(prefix / "system.reg") << "WINE REGISTRY Version 2\n";
        fs::resize_file(prefix / "system.reg", 100u << 20);
        const Run run = Start({QStringLiteral("--find-game")}, QString::fromStdString(prefix));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.contains(QString::fromStdString(prefix) +
                                  ": system.reg is over 64 MB, larger than any real prefix's: "
                                  "passed over\n"),
                 qPrintable(run.out));
        fs::remove_all(prefix);
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "test_command_line.moc"
