#include "ui/app/CommandLineCheck.h"

#include "core/check/FileCheck.h"
#include "core/registry/InstallFolder.h"
#include "ui/platform/CheckTexts.h"
#include "ui/platform/DiskMissionFolder.h"
#include "ui/platform/FileOpening.h"
#include "ui/platform/Texts.h"
#include "ui/platform/WindowsRegistry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <map>
#include <memory>
#include <set>

namespace vornask {
namespace {

void PrintTo(std::FILE* stream, const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stream);
}

// A folder on the disk, listed once for the whole run: its files do not come and go meanwhile.
class ListedOnce final : public MissionFolder {
public:
    explicit ListedOnce(const QString& path) : disk_(path) {}
    std::vector<std::string> Names() override {
        if (!names_)
            names_ = disk_.Names();
        return *names_;
    }
    FolderFile Read(const std::string& name) override { return disk_.Read(name); }
    QString PathOf(const std::string& name) const { return disk_.PathOf(name); }

private:
    DiskMissionFolder disk_;
    std::optional<std::vector<std::string>> names_;
};

// The game's D folder, looked for through the registry only once a file names a mission that
// is not beside it.
class GameFolder final : public MissionFolder {
public:
    std::vector<std::string> Names() override {
        return Folder() ? Folder()->Names() : std::vector<std::string>();
    }
    // Only for a name that Names() gave, so the folder was found.
    FolderFile Read(const std::string& name) override { return Folder()->Read(name); }
    QString PathOf(const std::string& name) { return Folder()->PathOf(name); }

private:
    ListedOnce* Folder() {
        if (!searched_) {
            searched_ = true;
            const InstallDirLookup lookup = ReadInstallDir();
            if (lookup.outcome == InstallDirLookup::Outcome::Found)
                folder_.emplace(QFile::decodeName(QByteArray::fromStdString(
                    LocalDialogFolder(lookup.installDir, lookup.winePrefix))));
        }
        return folder_ ? &*folder_ : nullptr;
    }

    bool searched_ = false;
    std::optional<ListedOnce> folder_;
};

struct FileToCheck {
    QString path;
    bool named; // on the command line itself, not found in a folder named there
};

class CommandLineCheck {
public:
    int Run(const QStringList& paths) {
        const std::vector<FileToCheck> files = FilesToCheck(paths);
        for (const FileToCheck& file : files)
            done_.insert(QFileInfo(file.path).canonicalFilePath());
        for (const FileToCheck& file : files)
            CheckOne(file);
        PrintSummary();
        return unreadable_ > 0 ? 2 : found_ > 0 ? 1 : 0;
    }

private:
    void CannotCheck(const QString& path, const QString& reason) {
        PrintTo(stderr,
                Texts::tr("Cannot check %1: %2").arg(QDir::toNativeSeparators(path), reason));
        ++unreadable_;
    }

    // The files named, and the ".english" files of the folders named, in the order of their names.
    std::vector<FileToCheck> FilesToCheck(const QStringList& paths) {
        std::vector<FileToCheck> files;
        for (const QString& path : paths) {
            const QFileInfo info(path);
            if (!info.isDir()) {
                files.push_back({path, true});
                continue;
            }
            const QDir folder(path);
            if (!info.isReadable()) {
                CannotCheck(path, Texts::tr("the folder cannot be read."));
                continue;
            }
            const QStringList names =
                folder.entryList({QStringLiteral("*") + QLatin1String(kMissionFileExtension)},
                                 QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
            for (const QString& name : names)
                files.push_back({folder.filePath(name), false});
        }
        return files;
    }

    void CheckOne(const FileToCheck& file) {
        QString reason;
        const std::optional<std::string> bytes = ReadFileQuietly(file.path, &reason);
        if (!bytes) {
            CannotCheck(file.path, reason);
            return;
        }
        ListedOnce& beside = FolderOf(file.path);
        const FileCheck check = CheckFile(*bytes, {beside, &game_});
        if (check.kind == FileKind::Unknown) {
            // A folder may hold other text files of the game: only a file named must be one.
            if (file.named)
                CannotCheck(file.path, Texts::tr("it is neither a mission file (no [Header] "
                                                 "section) nor a campaign guide file (no "
                                                 "[Overview] section)."));
            return;
        }
        if (check.refusal) {
            CannotCheck(file.path, RefusalText(*check.refusal));
            return;
        }
        ++checked_;
        Print(file.path, check.findings);
        for (const MissionFileFindings& mission : check.missionFiles) {
            const QString path =
                mission.inGameFolder ? game_.PathOf(mission.file) : beside.PathOf(mission.file);
            if (done_.insert(QFileInfo(path).canonicalFilePath()).second)
                Print(path, mission.findings);
        }
    }

    void Print(const QString& path, const std::vector<Finding>& findings) {
        const QString shown = QDir::toNativeSeparators(path);
        for (const Finding& finding : findings)
            PrintTo(stdout, QStringLiteral("%1:%2: %3")
                                .arg(shown, QString::number(finding.line), FindingText(finding)));
        found_ += findings.size();
    }

    void PrintSummary() {
        QString summary = Texts::tr("Files checked: %1. Findings: %2.").arg(checked_).arg(found_);
        if (unreadable_ > 0)
            summary += QLatin1Char(' ') +
                       Texts::tr("Files that could not be checked: %1.").arg(unreadable_);
        PrintTo(stdout, summary);
    }

    // The folder of `path`, named as the path names it the first time, for the names of the
    // mission files found there.
    ListedOnce& FolderOf(const QString& path) {
        const QFileInfo file(path);
        std::unique_ptr<ListedOnce>& listed = folders_[file.absolutePath()];
        if (!listed)
            listed = std::make_unique<ListedOnce>(file.path());
        return *listed;
    }

    GameFolder game_;
    std::map<QString, std::unique_ptr<ListedOnce>> folders_;
    std::set<QString> done_; // canonical paths of the files checked or to be checked
    int checked_ = 0;
    int unreadable_ = 0;
    std::size_t found_ = 0;
};

} // namespace

int CheckFilesFromCommandLine(const QStringList& paths) {
    if (paths.isEmpty()) {
        PrintTo(stderr, Texts::tr("--check needs a file or folder to check."));
        return 2;
    }
    return CommandLineCheck().Run(paths);
}

} // namespace vornask
