// The events page: a heading and a text for each event the game reports, edited one at a
// time through two choosers and stored at every keystroke.
#pragma once

#include "core/mission/MissionSettings.h"
#include "ui/wizard/WizardPage.h"

#include <optional>
#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class TComboBox98;

namespace vornask {

struct PreviewSection;

} // namespace vornask

class TFifthBox : public TWizardPage {
    Q_OBJECT
public:
    explicit TFifthBox(vornask::WindowOwner& windows);

    // Every event's message as the mission starts with it (empty for a new mission, the
    // file's for an opened one), the first event shown.
    void ResetToDefaults() override;
    void ResetAllValues();
    void UpdateStuff();
    void SaveHeadingValue();
    void SaveTextValue();
    // The messages typed, in any of the events: the boxes show only one of them.
    bool HoldsTyping() const override;

protected:
    QWidget* FirstInput() const override;
    bool MendTexts() override;

private:
    // The slot the boxes show, where edits are stored: found once, when it is shown.
    struct ShownSlot {
        vornask::EventMessage* message;
        int event; // the event chooser's position
        int side;  // the opponent, 0 for an event of the whole mission
    };

    // The chosen event's section as a save would write it now; none while no event is chosen.
    vornask::PreviewSection PreviewOfEvent() const;
    static void ClearValues(vornask::EventMessage& slot);
    void ShowSlot(int event, int ai);
    void LoadValues(const vornask::EventMessage& slot);

    bool loading_ = false; // showing a slot stores nothing back into it
    std::optional<ShownSlot> shown_;
    QComboBox* aiBox_;
    TComboBox98* eventBox_;
    QLineEdit* headingBox_;
    QPlainTextEdit* textBox_;
};
