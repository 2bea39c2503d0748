#include "app/HelpBox.h"

#include "platform/Dialogs.h"
#include "platform/QtText.h"
#include "platform/TextLines.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace vornask {

THelpBox::THelpBox()
    : TPageFrame(QStringLiteral("HelpBox"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("Help")) {
    helpText_ = new QPlainTextEdit;
    helpText_->setObjectName(QStringLiteral("HelpBox"));
    helpText_->setReadOnly(true);
    helpText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    helpText_->setPlainText(
        QStringLiteral("Unable to load help.txt - please place it in the same \n"
                       "directory as the executable."));
    content()->addWidget(helpText_);
    move(40, 40); // the help window alone opens at a fixed place, not centred
}

void THelpBox::LoadHelp() {
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("help.txt");
    if (!QFileInfo::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || QFileInfo(path).isDir()) {
        ShowError(this, QStringLiteral("Cannot open %1: %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowError(this, QStringLiteral("Cannot read %1: %2")
                            .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    SetMemoLines(*helpText_, SplitLines(std::string_view(bytes.constData(), bytes.size())));
}

} // namespace vornask
