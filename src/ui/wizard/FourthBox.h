// The players page: money, allies and knowledge of the player and of seven computer
// opponents, which take part only while enabled.
#pragma once

#include "core/mission/MissionSettings.h"
#include "ui/start/PageFrame.h"

#include <array>

class QTabWidget;

class TOpponentTab;
class TPlayerTab;

namespace vornask {

class AppWindows;

} // namespace vornask

class TFourthBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TFourthBox(vornask::AppWindows& windows);

    void ClosePrevious();
    void GoToNext();
    void ResetToDefaults();
    // Opens the advanced options of the opponent on side `side` (its tab's "Advanced").
    void GoToAdvanced(int side);

protected:
    void Activated() override { ClosePrevious(); }
    void OkPressed() override { GoToNext(); }

private:
    void StorePlayers();

    vornask::AppWindows& windows_;
    QTabWidget* TabbedNotebook1;
    TPlayerTab* playerTab_;
    std::array<TOpponentTab*, vornask::kOpponentCount> opponentTabs_{};
};
