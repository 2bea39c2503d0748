#include "ui/campaign/CampaignFinished.h"

#include "core/saving/FileToSave.h"
#include "ui/campaign/ViewCampaignSource.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/WindowOwner.h"
#include "ui/platform/DialogSaveUser.h"
#include "ui/platform/DiskFileStore.h"
#include "ui/platform/FileOpening.h"
#include "ui/platform/LostCharactersWarning.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

// Global T-classes: Qt reports "TCampaignFinished", not "vornask::TCampaignFinished".
using namespace vornask;

TCampaignFinished::TCampaignFinished(WindowOwner& windows)
    : TPageFrame(QStringLiteral("CampaignFinished"), tr("VORNASK Creator"), tr("Finished!")),
      windows_(windows),
      saveDialog1_(this, CampaignFilesDialog(FileDialogKind::Save, QStringLiteral("SaveDialog1"))) {

    auto* note = new QLabel(
        tr("The campaign file is finished... please choose from the saving options below:"));
    note->setObjectName(QStringLiteral("Label1"));
    note->setWordWrap(true);
    // Set once: the user's choices hold for the rest of the run.
    duplicate_ = MakeCheckBox(QStringLiteral("Duplicate"), tr("Create duplicate german file."));
    duplicate_->setChecked(chosenDuplicate_);
    connect(duplicate_, &QCheckBox::toggled, this, [this](bool on) { chosenDuplicate_ = on; });
    viewSource_ = MakeCheckBox(QStringLiteral("ViewSource"), tr("View/Edit source before saving."));
    content()->addWidget(note);
    content()->addSpacing(12);
    content()->addWidget(duplicate_);
    content()->addWidget(viewSource_);
    content()->addStretch();
}

void TCampaignFinished::ClosePrevious() {
    HidePrevious();
    if (windows_.CampaignFile().isEmpty()) {
        saveDialog1_.setDirectory(windows_.DialogFolder());
        duplicate_->setChecked(chosenDuplicate_);
    } else {
        saveDialog1_.setFile(windows_.CampaignFile());
        // An opened guide's copy is kept in step only while it is still a copy: a translated
        // one is not offered for replacing. The user's own choice waits for a new campaign.
        DiskFileStore files;
        const QSignalBlocker notTheUsersChoice(duplicate_);
        duplicate_->setChecked(CopyMatchesFile(
            QDir::toNativeSeparators(windows_.CampaignFile()).toStdString(), files));
    }
    fileToSave_ = TextDocument{};
}

// Characters lost in the capture are named before anything is written or shown; "Cancel"
// stays in this window.
void TCampaignFinished::SaveCampaign() {
    if (!GoOnDespiteLostCharacters(this, windows_.CampaignLost())) {
        KeepOpenAfterOk();
        return;
    }
    fileToSave_ = CampaignFileToSave();
    if (viewSource_->isChecked())
        windows_.ViewCampaignSource().Edit(fileToSave_.LineTexts(), [this](const auto& edited) {
            fileToSave_ = fileToSave_.WithLines(edited);
            return SaveCampaignFile();
        });
    else if (AcceptSaving(this, fileToSave_.Bytes(), FileKind::CampaignGuide))
        SaveCampaignFile(); // the source view checks the text it is given back itself
    else
        KeepOpenAfterOk(); // the campaign stays, to be shortened
}

TextDocument TCampaignFinished::CampaignFileToSave() const {
    return vornask::CampaignFileToSave(windows_.Campaign(), windows_.OpenedCampaign());
}

void TCampaignFinished::CloseCampaign() {
    if (previous())
        previous()->close();
}

SaveResult TCampaignFinished::SaveCampaignFile() {
    DialogSaveUser user(this, saveDialog1_.get());
    DiskFileStore files;
    const SaveResult result = SaveBytesToFile(fileToSave_.Bytes(), duplicate_->isChecked(),
                                              SaveSide::Campaign, user, files);
    if (result.saved)
        windows_.SetSavedCampaignFile(QString::fromStdString(result.path));
    return result;
}

void TCampaignFinished::done(int result) {
    TPageFrame::done(result);
    CloseCampaign();
}
