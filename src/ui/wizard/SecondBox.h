// The general details page: mission type, map title, mission number and the geyser switches.
#pragma once

#include "ui/wizard/WizardPage.h"

class QComboBox;
class QLineEdit;

class TSpinEdit;

class TSecondBox : public TWizardPage {
    Q_OBJECT
public:
    explicit TSecondBox(vornask::WindowOwner& windows);

    void ResetToDefaults() override;

protected:
    QWidget* FirstInput() const override;
    void StoreValues() override;

private:
    QLineEdit* missionTypeBox_;
    QLineEdit* titleBox_;
    TSpinEdit* missionNumberBox_;
    QComboBox* moreGeysersBox_;
    QComboBox* randomGeysersBox_;
};
