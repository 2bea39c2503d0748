#include "ui/app/HelpBox.h"

#include "core/text/TextLines.h"
#include "ui/pages/PageControls.h"
#include "ui/platform/DialogPlacement.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/QtText.h"
#include "ui/platform/Texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QStyle>
#include <QVBoxLayout>

namespace vornask {
namespace {

// What the help shows at once: as many letters and lines as the window's default size holds
// at the default font.
constexpr int kHelpColumns = 34;
constexpr int kHelpRows = 12;

// The whole file, or an empty array and the reason in `error`. Only a regular file is read:
// a folder or a device in its place is reported, and a pipe cannot block the program.
QByteArray ReadHelpFile(const QString& path, QString& error) {
    if (!QFileInfo(path).isFile()) {
        error = Texts::tr("it is not a file.");
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

// Escape closes the help, as its close control does: it holds nothing of the user's.
THelpBox::THelpBox()
    : TPageFrame(QStringLiteral("HelpBox"), tr("VORNASK Creator"), tr("Help"), OnEscape::Close) {
    helpText_ = MakeTextBox(QStringLiteral("HelpBox"));
    helpText_->setReadOnly(true);
    helpText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // As many lines, as wide, at every font size: a larger font makes the window larger.
    const QFontMetrics metrics = helpText_->fontMetrics();
    const int scrollBar = helpText_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    helpText_->setMinimumSize(kHelpColumns * metrics.averageCharWidth() + scrollBar +
                                  2 * helpText_->frameWidth() + 8,
                              RowsHeight(*helpText_, metrics.lineSpacing(), kHelpRows));
    helpText_->setPlainText(tr("Unable to load help.txt - please place it in the same \n"
                               "directory as the executable."));
    content()->addWidget(helpText_);
    LetGrow();
}

int THelpBox::OpenOver(QWidget& window) {
    Activated();
    return ExecCentredOver(*this, &window);
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
