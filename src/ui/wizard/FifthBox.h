// The events page: a heading and a text for each event the game reports, edited one at a
// time through two choosers and stored at every keystroke.
#pragma once

#include "core/mission/MissionSettings.h"
#include "ui/start/PageFrame.h"

#include <string>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;

class TComboBox98;

namespace vornask {

class AppWindows;

} // namespace vornask

class TFifthBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TFifthBox(vornask::AppWindows& windows);

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
    static void ClearValues(vornask::EventMessage& slot);
    void LoadValues(const vornask::EventMessage& slot);
    vornask::EventMessage* SelectedSlot();
    void Save(const std::string& value, std::string vornask::EventMessage::*entry);
    int EventChoice() const;
    int AiChoice() const;

    vornask::AppWindows& windows_;
    bool loading_ = false; // showing a slot stores nothing back into it
    QComboBox* aiBox;
    TComboBox98* ComboBox981;
    QLineEdit* HeadingBox;
    QPlainTextEdit* TextBox;
};
