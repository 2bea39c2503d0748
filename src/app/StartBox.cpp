#include "app/StartBox.h"

#include "app/AppWindows.h"
#include "app/FirstBox.h"
#include "app/HelpBox.h"
#include "campaign/CampaignBox.h"
#include "platform/Dialogs.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vornask {
namespace {

QPushButton* AddButton(QLayout* layout, const char* objectName, const QString& caption) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(objectName));
    button->setFixedSize(97, 25);
    button->setCursor(Qt::PointingHandCursor);
    layout->addWidget(button);
    layout->setAlignment(button, Qt::AlignHCenter);
    return button;
}

} // namespace

TStartBox::TStartBox(AppWindows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("StartBox"));
    setWindowTitle(QStringLiteral("VORNASK Creator"));

    auto* title = new QLabel(this);
    title->setObjectName(QStringLiteral("TitlePicture"));
    title->setText(QStringLiteral("VORNASK Creator"));
    title->setAlignment(Qt::AlignCenter);

    auto* version = new QLabel(QStringLiteral("Version 0.1"), this);
    version->setObjectName(QStringLiteral("VersionLabel"));

    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* buttons = new QVBoxLayout(panel);
    connect(AddButton(buttons, "Button5", tr("New Campaign")), &QPushButton::clicked, this,
            &TStartBox::GoCampaign);
    connect(AddButton(buttons, "Button1", tr("New Mission")), &QPushButton::clicked, this,
            &TStartBox::BeginCreating);
    connect(AddButton(buttons, "Button3", tr("Open")), &QPushButton::clicked, this,
            &TStartBox::NotYet);
    connect(AddButton(buttons, "Button4", tr("Help")), &QPushButton::clicked, this,
            &TStartBox::GoToHelp);
    connect(AddButton(buttons, "Button2", tr("Quit")), &QPushButton::clicked, this,
            &TStartBox::CloseApp);

    auto* credit = new QLabel(QStringLiteral("Made by the VORNASK Creator team"), this);
    credit->setObjectName(QStringLiteral("CreditLabel"));
    credit->setAlignment(Qt::AlignCenter);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(version, 0, Qt::AlignRight);
    layout->addWidget(panel);
    layout->addStretch();
    layout->addWidget(credit);
    setFixedSize(259, 323);
}

void TStartBox::GoCampaign() {
    windows_.CampaignBox().OpenFromStart();
}

void TStartBox::BeginCreating() {
    windows_.FirstBox().exec();
}

void TStartBox::NotYet() {
    ShowInformation(this, QStringLiteral("Sorry, it can't load .english files yet..."));
}

void TStartBox::GoToHelp() {
    windows_.HelpBox().OpenFromPrevious();
}

void TStartBox::CloseApp() {
    close();
}

void TStartBox::ReadRegistry() {
    // Filled in with the registry layer.
}

bool TStartBox::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !registryRead_) {
        registryRead_ = true;
        ReadRegistry();
    }
    return QWidget::event(event);
}

} // namespace vornask
