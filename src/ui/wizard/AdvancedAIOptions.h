// Sets the behaviour values of one computer opponent; shown over the players page, for the
// opponent whose tab is active there. It shows that opponent's own values, and every change
// is stored for it as it is made: however the dialog is closed, nothing is lost.
#pragma once

#include "core/mission/AdvancedAITables.h"
#include "ui/pages/PageFrame.h"

#include <array>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;

class TComboBox98;

namespace vornask {

class WindowOwner;

} // namespace vornask

class TAdvancedAIOptions : public TPageFrame {
    Q_OBJECT
public:
    explicit TAdvancedAIOptions(vornask::WindowOwner& windows);

    // Activates the dialog for the opponent on side `side` and runs it modally.
    int Open(int side) {
        SetEditedSide(side);
        return OpenFromPrevious();
    }
    void SetEditedSide(int side) { editedSide_ = side; }

    void ChangeLabel();
    void PutValues();
    void SaveValue();
    void UpdateDescriptionAndValue(const QString& abilityText);
    void SaveAbilityValue();

protected:
    void Activated() override { ChangeLabel(); }
    // The arrow keys and the wheel in the value box step from the value shown.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void LayOutControls();
    void ConnectHandlers();
    // The opponent being edited, once the players page has said which.
    std::optional<int> EditedSide() const { return editedSide_; }
    std::optional<int> SelectedOption() const;
    void AddOptionValues(int option);
    void ShowAbilityView(bool show);
    void ShowNoOption();
    // The two views that share one place: an option's value, and the abilities.
    std::array<QWidget*, 4> OptionView() const;
    std::array<QWidget*, 6> AbilityView() const;
    void ShowAbilityFlag(int ability);
    // What the edited opponent holds for `option`; nothing before the players page said which.
    std::string StoredValue(int option) const;
    void RefuseTypedValue();
    // Shows the offered value one `step` (+1 down, -1 up) from the value shown, if any.
    void StepValue(int step);

    vornask::WindowOwner& windows_;
    std::optional<int> editedSide_;
    vornask::AbilityFlags abilityFlags_ = vornask::AllAbilitiesOn();
    // The ability whose flag the value box shows and stores into; the box starts at the first.
    std::optional<int> shownAbility_ = 0;

    QLabel* sideLabel_;
    QLabel* optionsLabel_;
    QListWidget* optionList_;
    QLabel* valueLabel_;
    QLabel* descriptionLabel_;
    QComboBox* valueBox_;
    QPlainTextEdit* descriptionText_;
    QLabel* abilityLabel_;
    QLabel* abilityValueLabel_;
    QLabel* abilityDescriptionLabel_;
    TComboBox98* abilityBox_;
    QComboBox* abilityValueBox_;
    QPlainTextEdit* abilityDescription_;
};
