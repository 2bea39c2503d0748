#include "ui/app/Startup.h"

#include "core/registry/InstallFolder.h"
#include "ui/app/AppWindows.h"
#include "ui/app/StartBox.h"
#include "ui/platform/InstallDirText.h"
#include "ui/platform/Texts.h"
#include "ui/platform/WindowsRegistry.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace vornask {
namespace {

QString PathText(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

void Print(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
}

// What one prefix's registry file said, in a few words.
QString VerdictOf(const PrefixReading& reading) {
    switch (reading.file) {
    case RegistryFileState::Missing:
        return Texts::tr("no system.reg");
    case RegistryFileState::Unreadable:
        return Texts::tr("system.reg cannot be read, passed over");
    case RegistryFileState::TooLarge:
        return Texts::tr("system.reg is over %1 MB, larger than any real prefix's: passed over")
            .arg(kMaxRegistryFileBytes >> 20);
    case RegistryFileState::NotARegistry:
        return Texts::tr("system.reg is not a Wine registry file, passed over");
    case RegistryFileState::Read:
        break;
    }
    switch (reading.lookup.outcome) {
    case InstallDirLookup::Outcome::NotFound:
        return Texts::tr("no key of the game");
    case InstallDirLookup::Outcome::Found:
        return Texts::tr("holds the game");
    case InstallDirLookup::Outcome::NotText:
    case InstallDirLookup::Outcome::Error:
        return Texts::tr("holds the game's key, but: %1").arg(InstallDirProblem(reading.lookup));
    }
    return {};
}

#ifndef _WIN32
void PrintPrefixes(const PrefixSearch& search) {
    if (search.lookedAt.empty())
        Print(Texts::tr("No Wine prefix to look in: neither WINEPREFIX nor HOME is set."));
    else
        Print(Texts::tr("Wine prefixes looked at, in order:"));
    for (const PrefixVisit& visit : search.lookedAt)
        Print(QStringLiteral("  %1: %2").arg(PathText(visit.prefix), VerdictOf(visit.reading)));
    if (search.leftOut.empty())
        return;
    Print(Texts::tr("Left out, past the limit of %1 registry files read (%2):")
              .arg(kMaxRegistryFilesRead)
              .arg(search.leftOut.size()));
    for (const std::filesystem::path& prefix : search.leftOut)
        Print(QStringLiteral("  %1").arg(PathText(prefix)));
}
#endif

// Where the file dialogs start: the game's D folder when it is there, else the working folder,
// where Qt's dialog opens when it is given a folder that does not exist.
void PrintDialogFolder(const InstallDirLookup& lookup) {
    const bool found = lookup.outcome == InstallDirLookup::Outcome::Found;
    const std::string installDir = found ? lookup.installDir : std::string();
    const std::filesystem::path folder(LocalDialogFolder(installDir, lookup.winePrefix));
    std::error_code error;
    if (!MapsDrive(lookup.winePrefix, installDir)) {
        Print(
            Texts::tr("The prefix has no drive mapping for %1 (no such link in %2), so InstallDir "
                      "names no folder here.")
                .arg(QString::fromStdString(installDir.substr(0, 2)),
                     PathText(lookup.winePrefix / "dosdevices")));
    } else if (!std::filesystem::is_directory(folder, error)) {
        Print(Texts::tr(
                  "The folder %1 does not exist, so the file dialogs start in the working folder.")
                  .arg(PathText(std::filesystem::absolute(folder, error))));
    } else {
        Print(Texts::tr("The file dialogs start in: %1")
                  .arg(PathText(std::filesystem::absolute(folder, error))));
        return;
    }
    Print(Texts::tr("The file dialogs start in: %1")
              .arg(PathText(std::filesystem::current_path(error))));
}

void PrintOutcome(const InstallDirLookup& lookup, bool winePrefixSet) {
    switch (lookup.outcome) {
    case InstallDirLookup::Outcome::NotFound:
        if (winePrefixSet)
            Print(Texts::tr("The game's registry key was not found."));
        else
            Print(Texts::tr(
                "The game's registry key was not found. If the game is installed under "
                "Wine, start the program with WINEPREFIX set to the game's Wine prefix."));
        break;
    case InstallDirLookup::Outcome::Found:
        if (!lookup.winePrefix.empty())
            Print(Texts::tr("The game's prefix: %1").arg(PathText(lookup.winePrefix)));
        Print(Texts::tr("InstallDir: %1").arg(QString::fromStdString(lookup.installDir)));
        break;
    case InstallDirLookup::Outcome::NotText:
    case InstallDirLookup::Outcome::Error:
        Print(InstallDirProblem(lookup));
        break;
    }
    PrintDialogFolder(lookup);
}

} // namespace

int RunVornaskCreator(const StartupOptions& options) {
    // No display name: Qt would append it to every title bar, and titles are the captions.
    QApplication::setApplicationName(QStringLiteral("vornask-creator"));
    AppWindows windows;
    windows.StartBox().show();
    // Opened once the start window is up and the game's folder is known, as "Open" would.
    if (!options.fileToOpen.isEmpty()) {
        const QString path = QFileInfo(options.fileToOpen).absoluteFilePath();
        QTimer::singleShot(0, &windows.StartBox(), [&windows, path] { windows.OpenFile(path); });
    }
    // Queued after what showing the start window posted, so the loop ends once the start-up's
    // own work is done, at the same moment as the floors the probe is held against. The search
    // for the game, started by then on its own thread, is stopped and waited for as the windows
    // go; in the probe's empty home it has ended long before.
    if (options.until == RunUntil::FirstIdle)
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    return QApplication::exec();
}

int PrintGameSearch() {
#ifdef _WIN32
    const InstallDirLookup lookup = ReadInstallDir();
    const bool winePrefixSet = false;
#else
    const SearchStart start = SearchStart::FromEnvironment();
    const PrefixSearch search = SearchWinePrefixes(start);
    PrintPrefixes(search);
    const InstallDirLookup& lookup = search.lookup;
    const bool winePrefixSet = !start.winePrefix.empty();
#endif
    PrintOutcome(lookup, winePrefixSet);
    return lookup.outcome == InstallDirLookup::Outcome::Found ? 0 : 1;
}

} // namespace vornask
