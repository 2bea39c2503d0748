// What the windows of one run of the program share, as every page and dialog sees it: the
// values the run collects, and the few things only the owner of all windows can do (open the
// next window, close the wizard, run the wizard for a new mission). The owner (AppWindows,
// above the pages) implements it, so a page knows neither its neighbours nor the owner.
#pragma once

#include "core/campaign/CampaignDocument.h"
#include "core/campaign/CampaignSettings.h"
#include "core/mission/MissionDocument.h"
#include "core/mission/MissionSettings.h"
#include "core/text/LostCharacters.h"

#include <QString>
#include <array>
#include <optional>

class QWidget;

class TAdvancedAIOptions;
class TAskTitleBox;
class TPreviewBox;
class TViewCampaignSource;
class TViewSourceBox;

namespace vornask {

class WindowOwner {
public:
    WindowOwner(const WindowOwner&) = delete;
    WindowOwner& operator=(const WindowOwner&) = delete;

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
    // Counts the missions started: a page shows a mission's start values once, when it first
    // opens in that mission, and what was left in it when it opens again.
    int MissionsStarted() const { return missionsStarted_; }
    // Whether the advanced dialog changed a value since the mission started.
    bool AdvancedValuesChanged() const { return mission_.advanced != advancedAtStart_; }
    // The file the mission of this wizard run was saved as; empty until it is saved.
    const QString& SavedMissionFile() const { return savedMissionFile_; }
    void SetSavedMissionFile(const QString& file) {
        savedMissionFile_ = file;
        ShowSaved(file);
    }
    void SetSavedCampaignFile(const QString& file) { ShowSaved(file); }
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

    // Opens the window that follows `from` (the next wizard page, or the campaign finish window
    // after the campaign editor), handing it `from` to hide.
    virtual int OpenNext(QWidget& from) = 0;
    // Closes the welcome page and the wizard pages up to the events page once a mission is
    // saved: their modal loops end as the chain unwinds, and none of them can come back.
    virtual void CloseMissionWizard() = 0;
    // Runs the mission wizard from its welcome page, for a new mission.
    virtual void RunMissionWizard() = 0;
    // Whether the user's close of the mission window `page` may end the mission: when
    // anything was typed since it started, only after a "Yes" to abandoning it.
    virtual bool MayAbandonMission(QWidget& page) = 0;
    // Tells the user that `file` was saved, whenever that happens: a source view saves after
    // the window that opened it has closed.
    virtual void ShowSaved(const QString& file) = 0;
    // The folder the file dialogs start in: the game's installation directory followed by
    // "D\", as a local folder.
    virtual QString DialogFolder() const = 0;

    // The dialogs a page opens over itself.
    virtual TAdvancedAIOptions& AdvancedAIOptions() const = 0;
    virtual TViewSourceBox& ViewSourceBox() const = 0;
    virtual TAskTitleBox& AskTitleBox() const = 0;
    virtual TViewCampaignSource& ViewCampaignSource() const = 0;
    // The preview of the game's texts, made when first asked for: not at start-up.
    virtual TPreviewBox& PreviewBox() = 0;

protected:
    WindowOwner() = default;
    ~WindowOwner() = default;

private:
    MissionSettings mission_;
    CampaignSettings campaign_;
    MissionSettings startingMission_;
    int missionsStarted_ = 0;
    std::array<AdvancedValues, kOpponentCount> advancedAtStart_;
    QString missionFile_;
    std::optional<MissionDocument> openedMission_;
    QString savedMissionFile_;
    QString campaignFile_;
    std::optional<CampaignDocument> openedCampaign_;
    LostCharacters missionLost_;
    LostCharacters campaignLost_;
};

} // namespace vornask
