#include "ui/pages/PageFrame.h"

#include "ui/pages/PageControls.h"
#include "ui/platform/Texts.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vornask {
namespace {

constexpr int kPanelWidth = 289;
constexpr int kPanelHeight = 257;
constexpr int kSideMargin = 17; // (323 - 289) / 2: the client area is 323 by 328

} // namespace

void SetUpDialog(QDialog& dialog, const QString& objectName, const QString& caption,
                 OnEscape escape) {
    dialog.setObjectName(objectName);
    dialog.setWindowTitle(caption);
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    if (escape == OnEscape::KeepOpen)
        KeepOpenOnEscape(dialog);
}

QPushButton* MakeOkButton(QWidget* parent) {
    auto* button = new QPushButton(Texts::tr("OK"), parent);
    button->setObjectName(QStringLiteral("Button1")); // the name most windows give it
    button->setFixedSize(ButtonSize(*button, QSize(75, 25)));
    button->setDefault(true);
    return button;
}

} // namespace vornask

// Global T-classes: Qt reports "TPageFrame", not "vornask::TPageFrame".
using namespace vornask;

TPageFrame::TPageFrame(const QString& objectName, const QString& caption, const QString& heading,
                       OnEscape escape) {
    SetUpDialog(*this, objectName, caption, escape);

    heading_ = MakeHeading(heading);
    heading_->setMinimumHeight(42); // with the panel and margins: a client area of 323 by 328

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumSize(kPanelWidth, kPanelHeight);

    okButton_ = MakeOkButton(panel);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        keepOpen_ = false;
        OkPressed();
        if (!keepOpen_)
            accept();
    });

    content_ = new QVBoxLayout;
    // "OK" in the middle; "< Back", where a page has it, at the left.
    buttonRow_ = new QGridLayout;
    buttonRow_->addWidget(okButton_, 0, 1, Qt::AlignHCenter);
    buttonRow_->setColumnStretch(0, 1);
    buttonRow_->setColumnStretch(2, 1);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addLayout(content_, 1);
    panelLayout->addLayout(buttonRow_);

    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(kSideMargin, 6, kSideMargin, kSideMargin);
    frame->addWidget(heading_, 0, Qt::AlignLeft);
    frame->addWidget(panel, 1);
    // Fixed size: the frame's size, or larger where the fonts of this desktop need it.
    frame->setSizeConstraint(QLayout::SetFixedSize);
}

int TPageFrame::OpenFromPrevious(QWidget* previous) {
    previous_ = previous;
    if (backButton_)
        backButton_->setEnabled(previous != nullptr);
    Activated();
    int result = exec();
    while (result == ShowAgain)
        result = exec();
    return result;
}

// Hiding a dialog ends its modal run, so the page hidden by the next one ends its run as its
// "OK" handling returns, whatever follows: it is run again instead, with no activation.
void TPageFrame::ReturnFrom(int nextPageResult) {
    if (nextPageResult != WentBack)
        return;
    KeepOpenAfterOk();
    done(ShowAgain);
}

void TPageFrame::AddBackButton() {
    backButton_ = new QPushButton(tr("< &Back"), okButton_->parentWidget());
    backButton_->setObjectName(QStringLiteral("BackButton"));
    backButton_->setFixedSize(ButtonSize(*backButton_, QSize(75, 25)));
    buttonRow_->addWidget(backButton_, 0, 0, Qt::AlignLeft);
    // The empty column on the right as wide, so that "OK" stays in the middle.
    buttonRow_->setColumnMinimumWidth(2, backButton_->width());
    // Made after "OK", it follows it in the tab order: a page without a first box to open in
    // opens on "OK", as it did before there was a "< Back".
    connect(backButton_, &QPushButton::clicked, this, [this] { done(WentBack); });
}

void TPageFrame::closeEvent(QCloseEvent* event) {
    // A hidden page is closed by the program, never by the user.
    if (isVisible() && mayClose_ && !mayClose_()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TPageFrame::HidePrevious() {
    if (previous_)
        previous_->hide();
}

void TPageFrame::LetGrow() {
    // The size a fixed page would have; the panel's least size alone would leave out what its
    // controls need at a large font.
    const QSize pageSize = sizeHint();
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setMinimumSize(pageSize);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(true);
}
