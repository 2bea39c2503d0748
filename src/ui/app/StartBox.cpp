#include "ui/app/StartBox.h"

#include "ui/app/AppWindows.h"
#include "ui/app/HelpBox.h"
#include "ui/campaign/CampaignBox.h"
#include "ui/pages/PageControls.h"
#include "ui/platform/InstallDirText.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/wizard/FirstBox.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

// The title picture lives in the UI library, which is static: its resources are registered
// by hand. Outside any namespace, as Qt requires.
static void RegisterAppResources() {
    Q_INIT_RESOURCE(resources);
}

namespace vornask {
namespace {

constexpr QSize kClientSize(259, 323);
constexpr QSize kButtonSize(97, 25);

QPushButton* AddButton(QLayout* layout, const char* objectName, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(objectName));
    button->setFixedSize(ButtonSize(*button, kButtonSize));
    button->setCursor(Qt::PointingHandCursor);
    // Return presses the focused button, as Space does and as on every page; outside a dialog
    // a button takes only Space unless told.
    button->setAutoDefault(true);
    layout->addWidget(button);
    layout->setAlignment(button, Qt::AlignHCenter);
    return button;
}

QLabel* TitlePicture() {
    auto* title = new QLabel;
    title->setObjectName(QStringLiteral("TitlePicture"));
    title->setPixmap(QPixmap(QStringLiteral(":/app/title.png")));
    title->setFixedSize(title->pixmap().size());
    return title;
}

QLabel* SmallLabel(const char* objectName, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(objectName));
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 0.85);
    label->setFont(font);
    return label;
}

// Shows its text on one line, the middle left out when it is too long: a long path keeps its
// start and its file name in sight. The label's text stays whole, and its size does not follow
// it.
class ElidedLabel : public QLabel {
public:
    QSize sizeHint() const override {
        const QFontMetrics metrics = fontMetrics();
        // As high as a line is drawn, which can be a pixel more than the font's height.
        return {metrics.averageCharWidth() * 20,
                metrics.boundingRect(QStringLiteral("Xg")).height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect room = contentsRect();
        painter.drawText(room, Qt::AlignCenter,
                         fontMetrics().elidedText(text(), Qt::ElideMiddle, room.width()));
    }
};

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}

} // namespace

} // namespace vornask

// Global T-classes: Qt reports "TStartBox", not "vornask::TStartBox".
using namespace vornask;

TStartBox::TStartBox(AppWindows& windows)
    : windows_(windows),
      openDialog1_(this, MissionFilesDialog(FileDialogKind::Open, QStringLiteral("OpenDialog1"))) {
    RegisterAppResources();
    connect(&gameSearch_, &InstallDirSearch::Finished, this, &TStartBox::TakeInstallDir);
    setObjectName(QStringLiteral("StartBox"));
    setWindowTitle(tr("VORNASK Creator"));

    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel"));
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QVBoxLayout(panel);
    buttons->setContentsMargins(20, 10, 20, 10);
    buttons->setSpacing(6);
    connect(AddButton(buttons, "Button5", tr("New Campaign")), &QPushButton::clicked, this,
            &TStartBox::GoCampaign);
    connect(AddButton(buttons, "Button1", tr("New Mission")), &QPushButton::clicked, this,
            &TStartBox::BeginCreating);
    connect(AddButton(buttons, "Button3", tr("Open")), &QPushButton::clicked, this,
            &TStartBox::OpenFile);
    connect(AddButton(buttons, "Button4", tr("Help")), &QPushButton::clicked, this,
            &TStartBox::GoToHelp);
    connect(AddButton(buttons, "Button2", tr("Quit")), &QPushButton::clicked, this,
            &TStartBox::CloseApp);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 8);
    layout->setSpacing(2);
    layout->addWidget(TitlePicture(), 0, Qt::AlignHCenter);
    layout->addWidget(
        SmallLabel("VersionLabel", tr("Version %1").arg(QStringLiteral(VORNASK_VERSION))), 0,
        Qt::AlignRight);
    layout->addStretch();
    layout->addWidget(panel, 0, Qt::AlignHCenter);
    savedLabel_ = new ElidedLabel;
    savedLabel_->setObjectName(QStringLiteral("SavedLabel"));
    QFont small = savedLabel_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    savedLabel_->setFont(small);
    layout->addWidget(savedLabel_);
    layout->addStretch();
    layout->addWidget(SmallLabel("CreditLabel", tr("Written by the VORNASK Creator developers")), 0,
                      Qt::AlignHCenter);

    // The desktop's size, or larger where this desktop's font needs more room.
    setFixedSize(kClientSize.expandedTo(minimumSizeHint()));
    CentreOnScreen(*this);
}

void TStartBox::Act(const std::function<void()>& action) {
    ShowSaved(QString());
    action();
}

void TStartBox::ShowSaved(const QString& file) {
    savedLabel_->setText(file.isEmpty() ? QString() : tr("Saved %1").arg(file));
    savedLabel_->setToolTip(file);
}

void TStartBox::GoCampaign() {
    Act([this] { windows_.CampaignBox().OpenFromStart(); });
}

void TStartBox::BeginCreating() {
    Act([this] {
        windows_.StartMission();
        windows_.FirstBox().OpenFromPrevious();
    });
}

void TStartBox::OpenFile() {
    Act([this] {
        if (const std::optional<QString> path =
                ChooseFile(openDialog1_.get(windows_.DialogFolder())))
            windows_.OpenFile(*path);
    });
}

void TStartBox::GoToHelp() {
    Act([this] { windows_.HelpBox().OpenOver(*this); });
}

void TStartBox::CloseApp() {
    close();
}

void TStartBox::closeEvent(QCloseEvent* event) {
    if (!windows_.MayQuit()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void TStartBox::TakeInstallDir(const InstallDirLookup& lookup) {
    switch (lookup.outcome) {
    case InstallDirLookup::Outcome::NotFound:
        break;
    case InstallDirLookup::Outcome::Found:
        InstallDir = lookup.installDir;
        GamePrefix = lookup.winePrefix;
        break;
    case InstallDirLookup::Outcome::NotText:
    case InstallDirLookup::Outcome::Error:
        ShowError(this, InstallDirProblem(lookup));
        break;
    }
}

// The installation directory is looked for once, when the window first becomes active: coming
// back to it from a window shown over it (its own error box included) starts nothing.
bool TStartBox::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        gameSearch_.Start();
    return QWidget::event(event);
}

void TStartBox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Where the window system does not activate a new window by itself, the search still
    // starts with the program. After the window is shown, which it must not hold up.
    QTimer::singleShot(0, &gameSearch_, &InstallDirSearch::Start);
}
