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
    void GoToAdvanced();

    // The caption of the notebook's active tab: "Player", or "AI2" ... "AI8" for the opponent
    // whose "Advanced" button can be pressed.
    QString ActiveTabCaption() const;

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
