// The general details page: mission type, map title, mission number and the geyser switches.
#pragma once

#include "ui/start/PageFrame.h"

class QComboBox;
class QLineEdit;

class TSpinEdit;

namespace vornask {

class AppWindows;

} // namespace vornask

class TSecondBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TSecondBox(vornask::AppWindows& windows);

    void ClosePrevious();
    void GoToNext();
    void ResetToDefaults();

protected:
    void Activated() override { ClosePrevious(); }
    void OkPressed() override { GoToNext(); }

private:
    void StoreGeneralDetails();

    vornask::AppWindows& windows_;
    QLineEdit* MissionTypeBox;
    QLineEdit* TitleBox;
    TSpinEdit* MissionNumberBox;
    QComboBox* MoreGeysersBox;
    QComboBox* RandomGeysersBox;
};
