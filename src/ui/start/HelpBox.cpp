#include "ui/start/HelpBox.h"

#include "core/text/TextLines.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vornask {
namespace {

// The whole file, or an empty array and the reason in `error`. Only a regular file is read:
// a folder or a device in its place is reported, and a pipe cannot block the program.
QByteArray ReadHelpFile(const QString& path, QString& error) {
    if (!QFileInfo(path).isFile()) {
        error = QCoreApplication::translate("THelpBox", "it is not a file.");
        return {};
    }
    QFile file(path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        error = file.errorString();
    return bytes;
}

} // namespace

} // namespace vornask

// Global T-classes: Qt reports "THelpBox", not "vornask::THelpBox".
using namespace vornask;

THelpBox::THelpBox() : TPageFrame(QStringLiteral("HelpBox"), tr("VORNASK Creator"), tr("Help")) {
    helpText_ = new QPlainTextEdit;
    helpText_->setObjectName(QStringLiteral("HelpBox"));
    helpText_->setReadOnly(true);
    helpText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    helpText_->setPlainText(tr("Unable to load help.txt - please place it in the same \n"
                               "directory as the executable."));
    content()->addWidget(helpText_);
    move(40, 40); // the help window alone opens at a fixed place, not centred
}

void THelpBox::LoadHelp() {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("help.txt");
    if (!QFileInfo::exists(path))
        return; // the notice stays, or the text of an earlier showing
    QString error;
    const QByteArray bytes = ReadHelpFile(path, error);
    if (!error.isEmpty()) {
        ShowError(this, tr("Cannot read %1: %2").arg(QDir::toNativeSeparators(path), error));
        return;
    }
    SetMemoLines(*helpText_, SplitLines(std::string_view(bytes.constData(), bytes.size())));
}
