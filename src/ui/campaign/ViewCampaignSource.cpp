#include "ui/campaign/ViewCampaignSource.h"

#include "ui/campaign/CampaignFinished.h"
#include "ui/platform/QtText.h"
#include "ui/start/AppWindows.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace vornask;

TViewCampaignSource::TViewCampaignSource(AppWindows& windows)
    : TPageFrame(QStringLiteral("ViewCampaignSource"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("View/Edit Source")),
      windows_(windows) {
    sourceBox_ = new QPlainTextEdit(QString(), this);
    sourceBox_->setObjectName(QStringLiteral("SourceBox"));
    sourceBox_->setMinimumSize(265, 201);
    sourceBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    content()->addWidget(sourceBox_);

    // This window runs no modal loop of its own, and it must stay open when the save fails:
    // its "OK" closes it only as SaveIt decides.
    disconnect(okButton(), &QPushButton::clicked, this, nullptr);
    connect(okButton(), &QPushButton::clicked, this, &TViewCampaignSource::SaveIt);
}

void TViewCampaignSource::OpenFromFinished() {
    LoadLines();
    show();
    raise();
    activateWindow();
}

void TViewCampaignSource::LoadLines() {
    SetMemoLines(*sourceBox_, windows_.CampaignFinished().CampaignLines);
}

void TViewCampaignSource::SaveIt() {
    TCampaignFinished& finished = windows_.CampaignFinished();
    finished.CampaignLines = MemoLines(*sourceBox_);
    const SaveResult result = finished.SaveCampaignFile();
    // Given up after a failed write: the text stays here so "OK" can be pressed again.
    if (result.writeFailed && !result.saved)
        return;
    close();
}
