// The events page: a heading and a text for each event the game reports, edited one at a
// time through two choosers and stored at every keystroke.
#pragma once

#include "app/PageFrame.h"
#include "mission/MissionSettings.h"

#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace vornask {

class AppWindows;
class TComboBox98;

class TFifthBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TFifthBox(AppWindows& windows);

    void ClosePrevious();
    void GoToNext();
    void ResetAllValues();
    void UpdateStuff();
    void SaveHeadingValue();
    void SaveTextValue();

protected:
    void Activated() override { ClosePrevious(); }
    void OkPressed() override { GoToNext(); }

private:
    static void ClearValues(EventMessage& slot);
    void LoadValues(const EventMessage& slot);
    EventMessage* SelectedSlot();
    void Save(const std::string& value, std::string EventMessage::*entry);
    int EventChoice() const;
    int AiChoice() const;

    AppWindows& windows_;
    bool loading_ = false; // showing a slot stores nothing back into it
    QComboBox* aiBox;
    TComboBox98* ComboBox981;
    QLineEdit* HeadingBox;
    QPlainTextEdit* TextBox;
};

} // namespace vornask
