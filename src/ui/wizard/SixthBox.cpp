#include "ui/wizard/SixthBox.h"

#include "core/check/FileCheck.h"
#include "core/mission/MissionWriter.h"
#include "core/saving/FileToSave.h"
#include "core/saving/SaveProcedure.h"
#include "ui/controls/SingleLine.h"
#include "ui/pages/FindingsBox.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/WindowOwner.h"
#include "ui/platform/CheckTexts.h"
#include "ui/platform/DialogSaveUser.h"
#include "ui/platform/DiskFileStore.h"
#include "ui/platform/DiskMissionFolder.h"
#include "ui/platform/FileOpening.h"
#include "ui/platform/LostCharactersWarning.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/QtText.h"
#include "ui/wizard/ViewSourceBox.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

// Global T-classes: Qt reports "TSixthBox", not "vornask::TSixthBox".
using namespace vornask;

TSixthBox::TSixthBox(WindowOwner& windows)
    : TWizardPage(windows, QStringLiteral("SixthBox"), tr("VORNASK Creator"),
                  tr("Congratulations!")) {
    BuildControls();
    ShowOptions(this->windows().Mission().finish);
    KeepOptionsInStep();
}

void TSixthBox::BuildControls() {
    headingLabel()->setObjectName(QStringLiteral("Label1"));
    okButton()->setCursor(Qt::PointingHandCursor);

    auto* intro = new QLabel(
        tr("Well done! The english file is complete - click on the OK button below to save it. "
           "But before you do, set the options for saving below:"),
        this);
    intro->setObjectName(QStringLiteral("Label2"));
    intro->setWordWrap(true);

    duplicateCheck_ =
        MakeCheckBox(QStringLiteral("DuplicateCheck"), tr("Make a duplicate german file."));
    editSourceCheck_ =
        MakeCheckBox(QStringLiteral("EditSourceCheck"), tr("View/edit the source before saving."));
    nextMissionCheck_ = MakeCheckBox(QStringLiteral("NextMissionCheck"),
                                     tr("Have a 'Next Mission' button (for campaigns)"));

    auto* nameLabel = new QLabel(tr("Next Mission:"), this);
    nameLabel->setObjectName(QStringLiteral("Label3"));
    QFont bold = nameLabel->font();
    bold.setBold(true);
    nameLabel->setFont(bold);
    missionName_ = new QLineEdit(this);
    missionName_->setObjectName(QStringLiteral("MissionName"));
    KeepOnOneLine(*missionName_);
    missionName_->setToolTip(tr("Enter the filename without the extension"));
    nameLabel->setBuddy(missionName_);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(missionName_, 1);

    checkButton_ = new QPushButton(tr("Check"), this);
    checkButton_->setObjectName(QStringLiteral("CheckButton"));
    checkButton_->setToolTip(tr("List what the game would read otherwise than you meant"));
    connect(checkButton_, &QPushButton::clicked, this, &TSixthBox::CheckMissionFile);
    auto* checkRow = new QHBoxLayout;
    checkRow->addStretch();
    checkRow->addWidget(checkButton_);

    content()->addWidget(intro);
    content()->addSpacing(8);
    content()->addWidget(duplicateCheck_);
    content()->addWidget(editSourceCheck_);
    content()->addWidget(nextMissionCheck_);
    content()->addLayout(nameRow);
    content()->addStretch();
    content()->addLayout(checkRow);

    setTabOrder(okButton(), duplicateCheck_);
    setTabOrder(duplicateCheck_, editSourceCheck_);
    setTabOrder(editSourceCheck_, nextMissionCheck_);
    setTabOrder(nextMissionCheck_, missionName_);
    setTabOrder(missionName_, checkButton_);
}

// The writer and the saving read the options from the mission's settings, so every change
// of a control goes there at once.
void TSixthBox::KeepOptionsInStep() {
    FinishOptions& options = windows().Mission().finish;
    connect(duplicateCheck_, &QCheckBox::toggled, this,
            [&options](bool on) { options.DuplicateCheck = on; });
    connect(editSourceCheck_, &QCheckBox::toggled, this,
            [&options](bool on) { options.EditSourceCheck = on; });
    connect(nextMissionCheck_, &QCheckBox::toggled, this,
            [&options](bool on) { options.NextMissionCheck = on; });
    connect(missionName_, &QLineEdit::textChanged, this, [this, &options](const QString& text) {
        options.MissionName =
            Captured(text, this->windows().MissionLost(), {TextField::NextMission});
        CheckNextMission();
    });
}

// Shows `options` without running the page's handlers: emptying the name on a reset must not
// tick NextMissionCheck.
void TSixthBox::ShowOptions(const FinishOptions& options) {
    const QSignalBlocker blockDuplicate(duplicateCheck_);
    const QSignalBlocker blockEditSource(editSourceCheck_);
    const QSignalBlocker blockNextMission(nextMissionCheck_);
    const QSignalBlocker blockName(missionName_);
    duplicateCheck_->setChecked(options.DuplicateCheck);
    editSourceCheck_->setChecked(options.EditSourceCheck);
    nextMissionCheck_->setChecked(options.NextMissionCheck);
    ShowWhole(*missionName_, FromAnsi(options.MissionName));
}

void TSixthBox::ResetToDefaults() {
    FinishOptions& options = windows().Mission().finish;
    options = windows().StartingMission().finish;
    const QString& opened = windows().MissionFile();
    if (opened.isEmpty()) {
        windows().ViewSourceBox().SetSaveFolder(windows().DialogFolder());
    } else {
        // Saving again offers the opened file, and keeps its copy in step only while that is
        // still a copy: a translated one is not offered for replacing.
        DiskFileStore files;
        options.DuplicateCheck =
            CopyMatchesFile(QDir::toNativeSeparators(opened).toStdString(), files);
        windows().ViewSourceBox().SetSaveFile(opened);
    }
    windows().MissionLost().Forget(TextField::NextMission);
    ShowOptions(options);
    fileToSave_ = TextDocument{};
}

void TSixthBox::CheckNextMission() {
    nextMissionCheck_->setChecked(true);
}

// Characters lost in the capture are named before anything is written or shown; "Cancel"
// stays on this page.
void TSixthBox::GoToNext() {
    if (!GoOnDespiteLostCharacters(this, windows().MissionLost())) {
        KeepOpenAfterOk();
        return;
    }
    fileToSave_ = MissionFileToSave();
    // The source view checks the text it is given back before it is saved.
    if (!windows().Mission().finish.EditSourceCheck) {
        // A file this program could not open again is not saved: the page stays, so that the
        // text can be shortened ("< Back").
        if (AcceptSaving(this, fileToSave_.Bytes(), FileKind::Mission))
            SaveMissionFile();
        else
            KeepOpenAfterOk();
        return;
    }
    windows().ViewSourceBox().Edit(fileToSave_.LineTexts(),
                                   [this](const std::vector<std::string>& edited) {
                                       fileToSave_ = fileToSave_.WithLines(edited);
                                       return SaveMissionFile();
                                   });
}

void TSixthBox::CheckMissionFile() {
    const QString& opened = windows().MissionFile();
    const QString gameFolder = windows().DialogFolder();
    DiskMissionFolder beside(opened.isEmpty() ? gameFolder : QFileInfo(opened).absolutePath());
    DiskMissionFolder game(gameFolder);
    const FileCheck check = CheckMission(MissionFileToSave().Bytes(), {beside, &game});
    if (check.refusal) {
        ShowError(
            this,
            tr("The check cannot read the mission's file: %1").arg(RefusalText(*check.refusal)));
        return;
    }
    const QStringList findings = FindingLines(check);
    if (findings.isEmpty()) {
        ShowInformation(this, tr("Nothing found: the game will read the mission as you meant it, "
                                 "as far as the check can tell."));
        return;
    }
    TFindingsBox box;
    box.ShowOver(*this,
                 tr("What the game would read otherwise than you meant, in the mission's file as "
                    "it will be saved:"),
                 findings);
}

TextDocument TSixthBox::MissionFileToSave() const {
    return vornask::MissionFileToSave(windows().Mission(), windows().OpenedMission());
}

SaveResult TSixthBox::SaveMissionFile() {
    TViewSourceBox& sourceView = windows().ViewSourceBox();
    // The dialogs open over the source view while it is shown.
    QWidget* parent = sourceView.isVisible() ? static_cast<QWidget*>(&sourceView) : this;
    DialogSaveUser user(parent, sourceView.SaveDialog1());
    DiskFileStore files;
    const SaveResult result =
        SaveBytesToFile(fileToSave_.Bytes(), windows().Mission().finish.DuplicateCheck,
                        SaveSide::Mission, user, files);
    if (!result.saved)
        return result;
    windows().SetSavedMissionFile(QString::fromStdString(result.path));
    windows().CloseMissionWizard();
    return result;
}
