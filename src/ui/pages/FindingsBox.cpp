#include "ui/pages/FindingsBox.h"

#include "ui/pages/PageControls.h"
#include "ui/platform/DialogPlacement.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

// What the list shows at once at the default size: findings are sentences.
constexpr int kListColumns = 64;
constexpr int kListRows = 8;
// The most findings listed: a list of wrapped rows takes long to lay out, and a file with more
// is to be mended from its first ones.
constexpr int kFindingsShown = 500;

} // namespace

// Global T-classes: Qt reports "TFindingsBox", not "vornask::TFindingsBox".
using namespace vornask;

// Escape closes it, as its close control does: it holds nothing of the user's.
TFindingsBox::TFindingsBox()
    : TPageFrame(QStringLiteral("FindingsBox"), tr("VORNASK Creator"), tr("Check"),
                 OnEscape::Close) {
    summary_ = MakeLabel(QStringLiteral("SummaryLabel"), QString());
    summary_->setWordWrap(true);
    findings_ = new QListWidget(this);
    findings_->setObjectName(QStringLiteral("FindingsList"));
    findings_->setWordWrap(true);
    findings_->setTextElideMode(Qt::ElideNone);
    findings_->setAlternatingRowColors(true); // where one finding ends and the next begins
    const QFontMetrics metrics = findings_->fontMetrics();
    findings_->setMinimumSize(kListColumns * metrics.averageCharWidth(),
                              RowsHeight(*findings_, metrics.lineSpacing(), kListRows));
    summary_->setBuddy(findings_);
    content()->addWidget(summary_);
    content()->addWidget(findings_, 1);
    setTabOrder(okButton(), findings_);
    LetGrow();
}

int TFindingsBox::ShowOver(QWidget& window, const QString& summary, const QStringList& findings) {
    summary_->setText(summary);
    findings_->clear();
    findings_->addItems(findings.mid(0, kFindingsShown));
    if (findings.size() > kFindingsShown)
        findings_->addItem(tr("... and %n more.", nullptr, int(findings.size()) - kFindingsShown));
    // A summary of two lines needs more room than the empty one the window was made with.
    const QSize needed = sizeHint();
    setMinimumSize(needed);
    resize(needed);
    return ExecCentredOver(*this, &window);
}
