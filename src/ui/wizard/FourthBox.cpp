#include "ui/wizard/FourthBox.h"

#include "ui/start/AppWindows.h"
#include "ui/wizard/AdvancedAIOptions.h"
#include "ui/wizard/FourthBoxTabs.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace vornask;

TFourthBox::TFourthBox(AppWindows& windows)
    : TPageFrame(QStringLiteral("FourthBox"), QStringLiteral("VORNASK File Creator"),
                 QStringLiteral("Players and AIs")),
      windows_(windows) {
    okButton()->setObjectName(QStringLiteral("Button2"));

    TabbedNotebook1 = new QTabWidget;
    TabbedNotebook1->setObjectName(QStringLiteral("TabbedNotebook1"));
    playerTab_ = new TPlayerTab;
    TabbedNotebook1->addTab(playerTab_, QStringLiteral("Player"));
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side) {
        auto* tab = new TOpponentTab(side);
        opponentTabs_[side - kFirstOpponent] = tab;
        TabbedNotebook1->addTab(tab, QStringLiteral("AI") + QString::number(side));
        // The writer reads whether an opponent takes part as the box stands, not on OK.
        connect(tab, &TOpponentTab::EnabledChanged, this, [this](int changed, bool on) {
            windows_.Mission().opponent(changed).enabled = on;
        });
        connect(tab, &TOpponentTab::AdvancedRequested, this, &TFourthBox::GoToAdvanced);
    }
    content()->addWidget(TabbedNotebook1, 1);
}

void TFourthBox::ClosePrevious() {
    HidePrevious();
    ResetToDefaults();
}

// The active tab stays as it was: a new mission opens where the last one was left.
void TFourthBox::ResetToDefaults() {
    playerTab_->ResetToDefaults();
    for (TOpponentTab* tab : opponentTabs_)
        tab->ResetToDefaults();
}

void TFourthBox::GoToAdvanced(int side) {
    windows_.AdvancedAIOptions().Open(side);
}

// Every opponent is stored, enabled or not; the writer leaves out those not taking part.
void TFourthBox::StorePlayers() {
    MissionSettings& mission = windows_.Mission();
    mission.player.myTech = TechValue(playerTab_->Lists());
    for (TOpponentTab* tab : opponentTabs_)
        mission.opponent(tab->Side()).tech = TechValue(tab->Lists());
    mission.player.myStartMoney = playerTab_->Money();
    for (TOpponentTab* tab : opponentTabs_)
        mission.opponent(tab->Side()).startMoney = tab->Money();
    for (TOpponentTab* tab : opponentTabs_)
        mission.opponent(tab->Side()).name = tab->Name();
    mission.player.myAllyList = AllyValue(playerTab_->Lists());
    for (TOpponentTab* tab : opponentTabs_)
        mission.opponent(tab->Side()).allyList = AllyValue(tab->Lists());
}

void TFourthBox::GoToNext() {
    StorePlayers();
    windows_.OpenNext(*this);
}
