// The program. Its command line is read before the window system is reached, so that --help,
// --version, --find-game and --check work without a display.
#include "ui/app/CommandLineCheck.h"
#include "ui/app/Startup.h"
#include "ui/platform/Texts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

struct QtOption {
    const char* name;
    const char* valueName; // nullptr for a switch
};

// The options Qt's application object takes from the same command line: accepted and left to
// it, unlisted in the help.
constexpr QtOption kQtOptions[] = {
    {"platform", "name"},
    {"platformpluginpath", "path"},
    {"platformtheme", "name"},
    {"plugin", "name"},
    {"qwindowgeometry", "geometry"},
    {"qwindowicon", "icon"},
    {"qwindowtitle", "title"},
    {"session", "session"},
    {"display", "display"},
    {"geometry", "geometry"},
    {"style", "style"},
    {"stylesheet", "file"},
    {"qmljsdebugger", "options"},
    {"reverse", nullptr},
    {"widgetcount", nullptr},
    {"nograb", nullptr},
    {"dograb", nullptr},
    {"sync", nullptr},
};

struct CommandLine {
    bool findGame = false;
    QString fileToOpen;
    std::optional<QStringList> filesToCheck = std::nullopt; // --check
};

void AddQtOptions(QCommandLineParser& parser) {
    for (const QtOption& qt : kQtOptions) {
        QCommandLineOption option(QLatin1String(qt.name));
        if (qt.valueName)
            option.setValueName(QLatin1String(qt.valueName));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The translation for the system's language, when the build holds one (translations/ in the
// source tree); otherwise the texts stay as the code has them.
void InstallTranslation(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(), QStringLiteral("vornask-creator"), QStringLiteral("_"),
                         QStringLiteral(":/i18n")))
        app.installTranslator(translator);
    else
        delete translator;
}

// Prints and ends the program for --help, --version and a command line it cannot take.
CommandLine ReadCommandLine(QCoreApplication& parsing) {
    QCommandLineParser parser;
    // Qt's own options are written with one dash: "-platform offscreen".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        vornask::Texts::tr("Writes mission and campaign files for NetStorm maps."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption findGame(
        QStringLiteral("find-game"),
        vornask::Texts::tr(
            "Print where the game's registry key was looked for and found, and the folder the "
            "file dialogs will start in, then exit (status 0 when the game was found)."));
    parser.addOption(findGame);
    const QCommandLineOption check(
        QStringLiteral("check"),
        vornask::Texts::tr(
            "Check the mission and campaign guide files named (FILE...), and every .english file "
            "in a folder named, as the game will read them; print each finding as FILE:LINE: "
            "message, then exit (status 0 when nothing is found, 1 when something is, 2 when a "
            "file cannot be read)."));
    parser.addOption(check);
    parser.addPositionalArgument(QStringLiteral("file"),
                                 vornask::Texts::tr("A mission or campaign guide file to open."),
                                 QStringLiteral("[FILE]"));
    AddQtOptions(parser);
    parser.process(parsing);
    const QStringList files = parser.positionalArguments();
    if (parser.isSet(check))
        return {false, {}, files};
    if (files.size() > 1) {
        std::fputs(
            qPrintable(vornask::Texts::tr("Only one file can be opened.") + QLatin1Char('\n')),
            stderr);
        std::exit(EXIT_FAILURE);
    }
    return {parser.isSet(findGame), files.value(0)};
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("vornask-creator"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VORNASK_VERSION));
    CommandLine commandLine;
    {
        // An application object for the command line only: it gives the help text the
        // program's name and its language, and needs no display.
        QCoreApplication parsing(argc, argv);
        InstallTranslation(parsing);
        commandLine = ReadCommandLine(parsing);
        if (commandLine.findGame)
            return vornask::PrintGameSearch();
        if (commandLine.filesToCheck)
            return vornask::CheckFilesFromCommandLine(*commandLine.filesToCheck);
    }
    QApplication app(argc, argv);
    InstallTranslation(app);
    return vornask::RunVornaskCreator(
        {vornask::RunUntil::StartWindowClosed, commandLine.fileToOpen});
}
