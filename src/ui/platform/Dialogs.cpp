#include "ui/platform/Dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>

namespace vornask {
namespace {

const QString kBoxTitle = QStringLiteral("VORNASK Creator");

QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void ShowInformation(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, kBoxTitle, text, QMessageBox::Ok);
}

void ShowWarning(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, kBoxTitle, text, QMessageBox::Ok);
}

void ShowError(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, kBoxTitle, text, QMessageBox::Ok);
}

Answer AskQuestion(QWidget* parent, const QString& text, bool withCancel) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (withCancel)
        buttons |= QMessageBox::Cancel;
    switch (QMessageBox::question(parent, kBoxTitle, text, buttons)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return withCancel ? Answer::Cancel : Answer::No;
    }
}

void SetUpFileDialog(QFileDialog& dialog, const QString& objectName, const QString& filter,
                     const QString& defaultSuffix, const QString& initialFileName) {
    dialog.setObjectName(objectName);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    const QString description = filter.section(QLatin1Char('|'), 0, 0);
    const QString pattern = filter.section(QLatin1Char('|'), 1);
    // Qt takes the pattern from the last parentheses. A description that ends in its own
    // pattern is Qt's filter as it stands; any other gets the pattern added and shown without it.
    if (description.endsWith(QLatin1Char('(') + pattern + QLatin1Char(')'))) {
        dialog.setNameFilter(description);
    } else {
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilter(description + QStringLiteral(" (") + pattern + QLatin1Char(')'));
    }
    dialog.setDefaultSuffix(defaultSuffix);
    dialog.selectFile(initialFileName);
}

QFileDialog& KeptFileDialog::get() {
    if (!dialog_) {
        dialog_ = new QFileDialog(owner_);
        setUp_(*dialog_);
    }
    return *dialog_;
}

void KeptFileDialog::setDirectory(const QString& folder) {
    get().setDirectory(folder);
}

std::optional<std::string> DialogSaveUser::AskFileName() {
    if (dialog_.exec() != QDialog::Accepted || dialog_.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog_.selectedFiles().constFirst();
    // Offered again when the dialog reopens: after a refused or failed attempt, and for the
    // next mission.
    dialog_.selectFile(QFileInfo(chosen).fileName());
    return QDir::toNativeSeparators(chosen).toStdString();
}

Answer DialogSaveUser::Confirm(const std::string& question, bool withCancel) {
    return AskQuestion(parent_, FromUtf8(question), withCancel);
}

void DialogSaveUser::Warn(const std::string& message) {
    ShowWarning(parent_, FromUtf8(message));
}

void DialogSaveUser::ReportError(const std::string& message) {
    ShowError(parent_, FromUtf8(message));
}

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
