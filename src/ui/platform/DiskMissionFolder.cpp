#include "ui/platform/DiskMissionFolder.h"

#include "ui/platform/FileOpening.h"

#include <QDir>

namespace vornask {

std::vector<std::string> DiskMissionFolder::Names() {
    const QStringList entries = QDir(folder_).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(entries.size()));
    for (const QString& entry : entries)
        names.push_back(entry.toStdString());
    return names;
}

FolderFile DiskMissionFolder::Read(const std::string& name) {
    QString reason;
    std::optional<std::string> bytes = ReadFileQuietly(PathOf(name), &reason);
    return {std::move(bytes), reason.toStdString()};
}

QString DiskMissionFolder::PathOf(const std::string& name) const {
    return QDir(folder_).filePath(QString::fromStdString(name));
}

} // namespace vornask
