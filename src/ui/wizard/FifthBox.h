// The events page: a heading and a text for each event the game reports, edited one at a
// time through two choosers and stored at every keystroke.
#pragma once

#include "core/mission/MissionSettings.h"
#include "ui/wizard/WizardPage.h"

#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class TComboBox98;

class TFifthBox : public TWizardPage {
    Q_OBJECT
public:
    explicit TFifthBox(vornask::AppWindows& windows);

    // Every event's message emptied, the first event shown.
    void ResetToDefaults() override;
    void ResetAllValues();
    void UpdateStuff();
    void SaveHeadingValue();
    void SaveTextValue();

protected:
    QWidget* FirstInput() const override;

private:
    static void ClearValues(vornask::EventMessage& slot);
    void LoadValues(const vornask::EventMessage& slot);
    vornask::EventMessage* SelectedSlot();
    void Save(const std::string& value, std::string vornask::EventMessage::*entry);
    int EventChoice() const;
    int AiChoice() const;

    bool loading_ = false; // showing a slot stores nothing back into it
    QComboBox* aiBox_;
    TComboBox98* eventBox_;
    QLineEdit* headingBox_;
    QPlainTextEdit* textBox_;
};
