#pragma once

#include "core/mission/MissionSettings.h"
#include "ui/start/PageFrame.h"

class QCheckBox;
class QLineEdit;

namespace vornask {

class AppWindows;

} // namespace vornask

// The finish page: the saving options, then the mission file is built and saved.
class TSixthBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TSixthBox(vornask::AppWindows& windows);

    void ClosePrevious();
    void CheckNextMission();
    void GoToNext();
    // Asks for a file name and saves the mission's lines there, and the ".german" copy when
    // asked for one.
    void SaveMissionFile();

    // The lines of the mission file being finished; new and empty each time the page opens.
    vornask::MissionLines& MissionLines() { return missionLines_; }

protected:
    void Activated() override { ClosePrevious(); }
    void OkPressed() override { GoToNext(); }

private:
    void BuildControls();
    void KeepOptionsInStep();
    void ShowOptions(const vornask::FinishOptions& options);

    vornask::AppWindows& windows_;
    vornask::MissionLines missionLines_;
    QCheckBox* duplicateCheck_ = nullptr;
    QCheckBox* editSourceCheck_ = nullptr;
    QCheckBox* nextMissionCheck_ = nullptr;
    QLineEdit* missionName_ = nullptr;
};
