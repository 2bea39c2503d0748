// The general details page: mission type, map title, mission number and the geyser switches.
#pragma once

#include "app/PageFrame.h"

class QComboBox;
class QLineEdit;

namespace vornask {

class AppWindows;
class TSpinEdit;

class TSecondBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TSecondBox(AppWindows& windows);

    void ClosePrevious();
    void GoToNext();
    void ResetToDefaults();

protected:
    void Activated() override { ClosePrevious(); }
    void OkPressed() override { GoToNext(); }

private:
    void StoreGeneralDetails();

    AppWindows& windows_;
    QLineEdit* MissionTypeBox;
    QLineEdit* TitleBox;
    TSpinEdit* MissionNumberBox;
    QComboBox* MoreGeysersBox;
    QComboBox* RandomGeysersBox;
};

} // namespace vornask
