#include "ui/platform/DiskFileStore.h"

#include <QFileInfo>
#include <QSaveFile>

namespace vornask {
namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

bool DiskFileStore::Exists(const std::string& path) {
    return QFileInfo::exists(FromUtf8(path));
}

std::optional<std::string> DiskFileStore::Write(const std::string& path, const std::string& bytes) {
    QSaveFile file(FromUtf8(path));
    // Unbuffered, so that a full disk shows in the write with the system's reason rather
    // than in a commit that could not say why.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString().toStdString();
    // A write near the size limit may be cut short without an error; only the next one
    // reports it, so write the rest until all is written or the system says why not.
    const qint64 size = static_cast<qint64>(bytes.size());
    for (qint64 written = 0; written < size;) {
        const qint64 count = file.write(bytes.data() + written, size - written);
        if (count <= 0) {
            const std::string reason = file.errorString().toStdString();
            file.cancelWriting();
            return reason;
        }
        written += count;
    }
    if (!file.commit())
        return file.errorString().toStdString();
    return std::nullopt;
}

} // namespace vornask
