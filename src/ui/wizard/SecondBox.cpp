#include "ui/wizard/SecondBox.h"
#include "ui/controls/SingleLine.h"

#include "ui/controls/SpinEdit.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/WindowOwner.h"
#include "ui/platform/QtText.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>

namespace vornask {
namespace {

// The game's yes and no: the choices are compared as text, so they are never translated.
const QString kTrue = QStringLiteral("True");
const QString kFalse = QStringLiteral("False");
const std::string kYesFlag = "1";

// A yes/no choice as the game reads it: only the exact text "True" means yes.
std::string FlagOf(const QString& choice) {
    return choice == kTrue ? kYesFlag : "0";
}

QString ChoiceOf(const std::string& flag) {
    return flag == kYesFlag ? kTrue : kFalse;
}

} // namespace

} // namespace vornask

// Global T-classes: Qt reports "TSecondBox", not "vornask::TSecondBox".
using namespace vornask;

TSecondBox::TSecondBox(WindowOwner& windows)
    : TWizardPage(windows, QStringLiteral("SecondBox"), tr("VORNASK Creator"),
                  tr("General Details")) {
    const GeneralDetails defaults;
    missionTypeBox_ = MakeLineEdit(QStringLiteral("MissionTypeBox"), FromAnsi(defaults.missionType),
                                   tr("(Can't be changed)"));
    missionTypeBox_->setEnabled(false);
    titleBox_ = MakeLineEdit(QStringLiteral("TitleBox"), QString(), tr("Title of the map"));
    missionNumberBox_ =
        MakeSpinEdit(QStringLiteral("MissionNumberBox"), kMinMissionNumber, kMaxMissionNumber, 1,
                     tr("What mission number of the campaign?"));
    moreGeysersBox_ = MakeEditableComboBox(QStringLiteral("MoreGeysersBox"), {kTrue, kFalse},
                                           tr("Should more geysers be created during the game?"));
    randomGeysersBox_ =
        MakeEditableComboBox(QStringLiteral("RandomGeysersBox"), {kTrue, kFalse},
                             tr("Randomly added geysers at the start of the game?"));
    ResetToDefaults();

    auto* form = new QFormLayout;
    form->addRow(tr("Mission Type:"), missionTypeBox_);
    form->addRow(tr("Map Title:"), titleBox_);
    form->addRow(tr("Mission Number:"), missionNumberBox_);
    form->addRow(tr("More Geysers:"), moreGeysersBox_);
    form->addRow(tr("Random Geysers:"), randomGeysersBox_);
    content()->addLayout(form);
    content()->addStretch();
}

void TSecondBox::ResetToDefaults() {
    const GeneralDetails& start = windows().StartingMission().general;
    ShowWhole(*missionTypeBox_, FromAnsi(start.missionType)); // an opened file's own
    ShowWhole(*titleBox_, FromAnsi(start.title));
    missionNumberBox_->ShowValue(FromAnsi(start.missionNumber).toInt());
    moreGeysersBox_->setEditText(ChoiceOf(start.moreGeysers));
    randomGeysersBox_->setEditText(ChoiceOf(start.randGeysers));
}

QWidget* TSecondBox::FirstInput() const {
    return titleBox_;
}

void TSecondBox::StoreValues() {
    GeneralDetails& general = windows().Mission().general;
    general.missionType = ToAnsi(missionTypeBox_->text());
    general.title = Captured(titleBox_->text(), windows().MissionLost(), {TextField::Title});
    general.missionNumber = std::to_string(missionNumberBox_->Settle());
    general.moreGeysers = FlagOf(moreGeysersBox_->currentText());
    general.randGeysers = FlagOf(randomGeysersBox_->currentText());
}
