// The tabs of the players page: the human player's, and one class for each computer
// opponent's tab, built seven times with its side number in every control's name.
#pragma once

#include "core/mission/MissionSettings.h"
#include "core/mission/TechAllyEncoding.h"

#include <QWidget>
#include <string>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

class TSpinEdit;

namespace vornask {

class LostCharacters;

// Knowledge and allies as every tab holds them.
struct SideLists {
    QListWidget* techList = nullptr;
    QCheckBox* allTechBox = nullptr; // "All technology"
    QListWidget* allyList = nullptr;
    int owner = 0; // side number of the ally list's owner
    // The entries of an opened file's values that the lists do not show; they stay in them.
    std::string otherTech;
    std::string otherAllies;
};

// Ticks all 26 items of the knowledge list when "All technology" is checked, unticks them all
// when it is not.
void ClickAllTech(const QCheckBox& allTechBox, QListWidget& techList);
void UncheckAll(QListWidget& list);
// Nothing known, no allies.
void ResetSideLists(SideLists& lists);
// The ticks of the knowledge value `tech` and the ally value `allies` as a mission file holds
// them; what the lists do not show is kept beside them.
void ShowSideLists(SideLists& lists, const std::string& tech, const std::string& allies);

std::string TechValue(const SideLists& lists);
std::string AllyValue(const SideLists& lists);

} // namespace vornask

class TPlayerTab : public QWidget {
    Q_OBJECT
public:
    TPlayerTab();

    // Shows `player`: the defaults of a new mission, or an opened file's values.
    void Show(const vornask::HumanPlayer& player);
    std::string Money() const;
    const vornask::SideLists& Lists() const { return lists_; }
    QWidget* FirstInput() const;

private:
    TSpinEdit* moneyBox_;
    vornask::SideLists lists_;
};

class TOpponentTab : public QWidget {
    Q_OBJECT
public:
    explicit TOpponentTab(int side);

    int Side() const { return side_; }
    // Shows `opponent`: the defaults of a new mission, or an opened file's values.
    void Show(const vornask::Opponent& opponent);
    // Enables and blackens, or disables and greys, what belongs to a taking-part opponent;
    // their contents stay.
    void EnableOrDisableAll();

    // The name as captured, what it could not keep remembered in `lost`.
    std::string Name(vornask::LostCharacters& lost) const;
    std::string Money() const;
    const vornask::SideLists& Lists() const { return lists_; }
    // "Enable this AI": the one control of the tab that is never disabled.
    QWidget* FirstInput() const;

signals:
    void EnabledChanged(int side, bool enabled);
    void AdvancedRequested(int side);

private:
    int side_;
    QCheckBox* enableAI_;
    QLineEdit* nameBox_;
    TSpinEdit* moneyBox_;
    QPushButton* advancedButton_;
    vornask::SideLists lists_;
};
