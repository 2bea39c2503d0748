// The players page: money, allies and knowledge of the player and of seven computer
// opponents, which take part only while enabled.
#pragma once

#include "core/mission/MissionSettings.h"
#include "ui/wizard/WizardPage.h"

#include <array>

class QTabWidget;

class TOpponentTab;
class TPlayerTab;

class TFourthBox : public TWizardPage {
    Q_OBJECT
public:
    explicit TFourthBox(vornask::WindowOwner& windows);

    void ResetToDefaults() override;
    // Opens the advanced options of the opponent on side `side` (its tab's "Advanced").
    void GoToAdvanced(int side);

protected:
    // The first enabled input of the tab shown.
    QWidget* FirstInput() const override;
    void StoreValues() override;

private:
    QTabWidget* tabs_;
    TPlayerTab* playerTab_;
    std::array<TOpponentTab*, vornask::kOpponentCount> opponentTabs_{};
};
