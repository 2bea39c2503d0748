#include "ui/campaign/CampaignFinished.h"

#include "ui/campaign/CampaignBox.h"
#include "ui/campaign/ViewCampaignSource.h"
#include "ui/platform/DialogSaveUser.h"
#include "ui/platform/DiskFileStore.h"
#include "ui/platform/FileDialogs.h"
#include "ui/start/AppWindows.h"
#include "ui/start/PageControls.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace vornask;

TCampaignFinished::TCampaignFinished(AppWindows& windows)
    : TPageFrame(QStringLiteral("CampaignFinished"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("Finished!")),
      windows_(windows), saveDialog1_(this, [](QFileDialog& dialog) {
          dialog.setAcceptMode(QFileDialog::AcceptSave);
          SetUpFileDialog(dialog, QStringLiteral("SaveDialog1"),
                          QStringLiteral("Campaign Files (guide*.english)|Guide*.english"),
                          QStringLiteral("english"), QStringLiteral("Guide*.english"));
      }) {

    auto* note = new QLabel(QStringLiteral(
        "The campaign file is finished... please choose from the saving options below:"));
    note->setObjectName(QStringLiteral("Label1"));
    note->setWordWrap(true);
    // Set once: the user's choices hold for the rest of the run.
    duplicate_ =
        MakeCheckBox(QStringLiteral("Duplicate"), QStringLiteral("Create duplicate german file."));
    duplicate_->setChecked(true);
    viewSource_ = MakeCheckBox(QStringLiteral("ViewSource"),
                               QStringLiteral("View/Edit source before saving."));
    content()->addWidget(note);
    content()->addSpacing(12);
    content()->addWidget(duplicate_);
    content()->addWidget(viewSource_);
    content()->addStretch();
}

void TCampaignFinished::ClosePrevious() {
    windows_.CampaignBox().hide();
    saveDialog1_.setDirectory(windows_.DialogFolder());
    CampaignLines.clear();
}

void TCampaignFinished::SaveCampaign() {
    BuildCampaignLines(windows_.Campaign(), CampaignLines);
    if (viewSource_->isChecked())
        windows_.ViewCampaignSource().OpenFromFinished();
    else
        SaveCampaignFile();
}

void TCampaignFinished::CloseCampaign() {
    windows_.CampaignBox().close();
}

SaveResult TCampaignFinished::SaveCampaignFile() {
    DialogSaveUser user(this, saveDialog1_.get());
    DiskFileStore files;
    return SaveLinesToFile(CampaignLines, duplicate_->isChecked(), SaveSide::Campaign, user, files);
}

void TCampaignFinished::done(int result) {
    TPageFrame::done(result);
    CloseCampaign();
}
