// Creates and owns every window of the program, once, in start-up order; windows reach one
// another through it. Also holds the values one run of the program collects.
#pragma once

#include "core/campaign/CampaignDocument.h"
#include "core/campaign/CampaignSettings.h"
#include "core/mission/MissionDocument.h"
#include "core/mission/MissionSettings.h"
#include "core/text/LostCharacters.h"

#include <QString>
#include <memory>
#include <optional>

class QWidget;

class TStartBox;
class TFirstBox;
class TSecondBox;
class TThirdBox;
class THelpBox;
class TFourthBox;
class TAdvancedAIOptions;
class TFifthBox;
class TCampaignBox;
class TSixthBox;
class TViewSourceBox;
class TAskTitleBox;
class TCampaignFinished;
class TViewCampaignSource;

namespace vornask {

class AppWindows {
public:
    AppWindows();
    ~AppWindows();
    AppWindows(const AppWindows&) = delete;
    AppWindows& operator=(const AppWindows&) = delete;

    TStartBox& StartBox() const { return *startBox_; }
    TFirstBox& FirstBox() const { return *firstBox_; }
    TSecondBox& SecondBox() const { return *secondBox_; }
    TThirdBox& ThirdBox() const { return *thirdBox_; }
    THelpBox& HelpBox() const { return *helpBox_; }
    TFourthBox& FourthBox() const { return *fourthBox_; }
    TAdvancedAIOptions& AdvancedAIOptions() const { return *advancedAIOptions_; }
    TFifthBox& FifthBox() const { return *fifthBox_; }
    TCampaignBox& CampaignBox() const { return *campaignBox_; }
    TSixthBox& SixthBox() const { return *sixthBox_; }
    TViewSourceBox& ViewSourceBox() const { return *viewSourceBox_; }
    TAskTitleBox& AskTitleBox() const { return *askTitleBox_; }
    TCampaignFinished& CampaignFinished() const { return *campaignFinished_; }
    TViewCampaignSource& ViewCampaignSource() const { return *viewCampaignSource_; }

    MissionSettings& Mission() { return mission_; }
    CampaignSettings& Campaign() { return campaign_; }
    // Beside each, per field, the characters its capture could not keep.
    LostCharacters& MissionLost() { return missionLost_; }
    LostCharacters& CampaignLost() { return campaignLost_; }

    // What the wizard's pages show when they open: the defaults for a new mission, or the
    // values of the mission file opened.
    const MissionSettings& StartingMission() const { return startingMission_; }
    // The mission file the wizard's values came from; empty for a new mission.
    const QString& MissionFile() const { return missionFile_; }
    // The document of that file, which saving edits; none for a new mission.
    const MissionDocument* OpenedMission() const {
        return openedMission_ ? &*openedMission_ : nullptr;
    }
    // Starts a mission from `start`: a new one, or the one read from `file` into `document`.
    // The advanced values of the opponents the file holds become the advanced dialog's values
    // for them.
    void StartMission(const MissionSettings& start = {}, const QString& file = {},
                      std::optional<MissionDocument> document = std::nullopt);
    // The file the wizard saved the mission started last into; empty until it is saved.
    const QString& SavedMissionFile() const { return savedMissionFile_; }
    void SetSavedMissionFile(const QString& file) { savedMissionFile_ = file; }
    // The campaign guide file the campaign editor's values came from; empty for a new one.
    const QString& CampaignFile() const { return campaignFile_; }
    const CampaignDocument* OpenedCampaign() const {
        return openedCampaign_ ? &*openedCampaign_ : nullptr;
    }
    void SetCampaignFile(const QString& file = {},
                         std::optional<CampaignDocument> document = std::nullopt) {
        campaignFile_ = file;
        openedCampaign_ = std::move(document);
    }

    // Opens the mission or campaign guide file at `path` as the start window's "Open" does:
    // a mission in the wizard from its general details page, a guide file in the campaign
    // editor. A file that is refused, or that the user decides not to open, changes nothing.
    void OpenFile(const QString& path);

    // Opens the window that follows `from` on its road (the next wizard page, or the campaign
    // finish window after the campaign editor), handing it `from` to hide. Pages open their
    // successor through here, so no page needs to know its neighbours.
    int OpenNext(QWidget& from);
    // Closes the welcome page and the wizard pages up to the events page once a mission is
    // saved: their modal loops end as the chain unwinds, and none of them can come back.
    void CloseMissionWizard();

    // The folder the file dialogs start in: the game's installation directory followed by
    // "D\", as a local folder.
    QString DialogFolder() const;

private:
    MissionSettings mission_;
    CampaignSettings campaign_;
    MissionSettings startingMission_;
    QString missionFile_;
    std::optional<MissionDocument> openedMission_;
    QString savedMissionFile_;
    QString campaignFile_;
    std::optional<CampaignDocument> openedCampaign_;
    LostCharacters missionLost_;
    LostCharacters campaignLost_;

    // Created in this order, destroyed in the reverse one.
    std::unique_ptr<TStartBox> startBox_;
    std::unique_ptr<TFirstBox> firstBox_;
    std::unique_ptr<TSecondBox> secondBox_;
    std::unique_ptr<TThirdBox> thirdBox_;
    std::unique_ptr<THelpBox> helpBox_;
    std::unique_ptr<TFourthBox> fourthBox_;
    std::unique_ptr<TAdvancedAIOptions> advancedAIOptions_;
    std::unique_ptr<TFifthBox> fifthBox_;
    std::unique_ptr<TCampaignBox> campaignBox_;
    std::unique_ptr<TSixthBox> sixthBox_;
    std::unique_ptr<TViewSourceBox> viewSourceBox_;
    std::unique_ptr<TAskTitleBox> askTitleBox_;
    std::unique_ptr<TCampaignFinished> campaignFinished_;
    std::unique_ptr<TViewCampaignSource> viewCampaignSource_;
};

} // namespace vornask
