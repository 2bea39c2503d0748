#pragma once

#include "core/mission/MissionSettings.h"
#include "core/saving/SaveProcedure.h"
#include "core/text/TextDocument.h"
#include "ui/wizard/WizardPage.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

// The finish page: the saving options, then the mission file is built and saved.
class TSixthBox : public TWizardPage {
    Q_OBJECT
public:
    explicit TSixthBox(vornask::WindowOwner& windows);

    // The options the mission starts with and no lines; the save dialog offers the opened
    // file, or opens in the game's folder for a new mission.
    void ResetToDefaults() override;
    void CheckNextMission();
    // Builds the mission's file (a new one as the writer writes it, an opened one with its
    // changes) and saves it, after the source view where asked for.
    void GoToNext() override;
    // Asks for a file name and saves the mission's file there, and the ".german" copy when
    // asked for one.
    vornask::SaveResult SaveMissionFile();
    // Lists what the game would read otherwise than meant in the mission's file as it will be
    // saved, each with its line. Its next missions are looked for beside the opened file (for a
    // new mission, in the folder the save dialog opens in), then in the game's D folder.
    void CheckMissionFile();

    // The mission file being finished; new and empty each time the page opens.
    const vornask::TextDocument& FileToSave() const { return fileToSave_; }

private:
    // A new mission as the writer writes it; an opened file with the values changed in it.
    vornask::TextDocument MissionFileToSave() const;
    void BuildControls();
    void KeepOptionsInStep();
    void ShowOptions(const vornask::FinishOptions& options);

    vornask::TextDocument fileToSave_;
    QCheckBox* duplicateCheck_ = nullptr;
    QCheckBox* editSourceCheck_ = nullptr;
    QCheckBox* nextMissionCheck_ = nullptr;
    QLineEdit* missionName_ = nullptr;
    QPushButton* checkButton_ = nullptr;
};
