#include "ui/wizard/SecondBox.h"

#include "ui/controls/SpinEdit.h"
#include "ui/platform/QtText.h"
#include "ui/start/AppWindows.h"
#include "ui/start/PageControls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace vornask {
namespace {

const QString kDefaultTitle = QStringLiteral("My Map");
const QString kTrue = QStringLiteral("True");

// A yes/no choice as the game reads it: only the exact text "True" means yes.
std::string FlagOf(const QString& choice) {
    return choice == kTrue ? "1" : "0";
}

QComboBox* TrueFalseBox(const QString& name, const QString& hint) {
    QComboBox* box = MakeEditableComboBox(name, {kTrue, QStringLiteral("False")});
    box->setToolTip(hint);
    return box;
}

} // namespace

} // namespace vornask

using namespace vornask;

TSecondBox::TSecondBox(AppWindows& windows)
    : TPageFrame(QStringLiteral("SecondBox"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("General Details")),
      windows_(windows) {

    MissionTypeBox = MakeLineEdit(QStringLiteral("MissionTypeBox"), QStringLiteral("Tutorial"),
                                  QStringLiteral("(Can't be changed)"));
    MissionTypeBox->setEnabled(false);
    TitleBox =
        MakeLineEdit(QStringLiteral("TitleBox"), kDefaultTitle, QStringLiteral("Title of the map"));
    MissionNumberBox = MakeSpinEdit(QStringLiteral("MissionNumberBox"), 1, 99, 1,
                                    QStringLiteral("What mission number of the campaign?"));
    MoreGeysersBox =
        TrueFalseBox(QStringLiteral("MoreGeysersBox"),
                     QStringLiteral("Should more geysers be created during the game?"));
    RandomGeysersBox =
        TrueFalseBox(QStringLiteral("RandomGeysersBox"),
                     QStringLiteral("Randomly added geysers at the start of the game?"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Mission Type:"), MissionTypeBox);
    form->addRow(QStringLiteral("Map Title:"), TitleBox);
    form->addRow(QStringLiteral("Mission Number:"), MissionNumberBox);
    form->addRow(QStringLiteral("More Geysers:"), MoreGeysersBox);
    form->addRow(QStringLiteral("Random Geysers:"), RandomGeysersBox);
    content()->addLayout(form);
    content()->addStretch();
}

void TSecondBox::ClosePrevious() {
    HidePrevious();
    ResetToDefaults();
}

void TSecondBox::ResetToDefaults() {
    TitleBox->setText(kDefaultTitle);
    MissionNumberBox->setValue(1);
    MoreGeysersBox->setEditText(kTrue);
    RandomGeysersBox->setEditText(kTrue);
}

void TSecondBox::StoreGeneralDetails() {
    GeneralDetails& general = windows_.Mission().general;
    general.missionType = ToAnsi(MissionTypeBox->text());
    general.title = ToAnsi(TitleBox->text());
    general.missionNumber = std::to_string(MissionNumberBox->Settle());
    general.moreGeysers = FlagOf(MoreGeysersBox->currentText());
    general.randGeysers = FlagOf(RandomGeysersBox->currentText());
}

void TSecondBox::GoToNext() {
    StoreGeneralDetails();
    windows_.OpenNext(*this);
}
