#include "ui/wizard/FourthBox.h"

#include "ui/pages/WindowOwner.h"
#include "ui/wizard/AdvancedAIOptions.h"
#include "ui/wizard/FourthBoxTabs.h"

#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

// Global T-classes: Qt reports "TFourthBox", not "vornask::TFourthBox".
using namespace vornask;

TFourthBox::TFourthBox(WindowOwner& windows)
    : TWizardPage(windows, QStringLiteral("FourthBox"), tr("VORNASK File Creator"),
                  tr("Players and AIs")) {
    okButton()->setObjectName(QStringLiteral("Button2"));

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("TabbedNotebook1"));
    // Every tab stays in sight, whole: with a larger font the page grows instead.
    tabs_->setUsesScrollButtons(false);
    tabs_->setElideMode(Qt::ElideNone);
    playerTab_ = new TPlayerTab;
    tabs_->addTab(playerTab_, tr("Player"));
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side) {
        auto* tab = new TOpponentTab(side);
        opponentTabs_[side - kFirstOpponent] = tab;
        tabs_->addTab(tab, tr("AI%1").arg(side));
        // The writer reads whether an opponent takes part as the box stands, not on OK.
        connect(tab, &TOpponentTab::EnabledChanged, this, [this](int changed, bool on) {
            this->windows().Mission().opponent(changed).enabled = on;
        });
        connect(tab, &TOpponentTab::AdvancedRequested, this, &TFourthBox::GoToAdvanced);
    }
    content()->addWidget(tabs_, 1);
}

// The active tab stays as it was: a new mission opens where the last one was left.
void TFourthBox::ResetToDefaults() {
    const MissionSettings& start = windows().StartingMission();
    playerTab_->Show(start.player);
    for (TOpponentTab* tab : opponentTabs_)
        tab->Show(start.opponent(tab->Side()));
}

QWidget* TFourthBox::FirstInput() const {
    const QWidget* shown = tabs_->currentWidget();
    if (shown == playerTab_)
        return playerTab_->FirstInput();
    for (TOpponentTab* tab : opponentTabs_)
        if (tab == shown)
            return tab->FirstInput();
    return nullptr;
}

void TFourthBox::GoToAdvanced(int side) {
    windows().AdvancedAIOptions().Open(side);
}

// Every opponent is stored, enabled or not; the writer leaves out those not taking part.
void TFourthBox::StoreValues() {
    MissionSettings& mission = windows().Mission();
    mission.player.myTech = TechValue(playerTab_->Lists());
    for (TOpponentTab* tab : opponentTabs_)
        mission.opponent(tab->Side()).tech = TechValue(tab->Lists());
    mission.player.myStartMoney = playerTab_->Money();
    for (TOpponentTab* tab : opponentTabs_)
        mission.opponent(tab->Side()).startMoney = tab->Money();
    for (TOpponentTab* tab : opponentTabs_)
        mission.opponent(tab->Side()).name = tab->Name(windows().MissionLost());
    mission.player.myAllyList = AllyValue(playerTab_->Lists());
    for (TOpponentTab* tab : opponentTabs_)
        mission.opponent(tab->Side()).allyList = AllyValue(tab->Lists());
}
