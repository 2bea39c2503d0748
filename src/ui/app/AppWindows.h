// Creates and owns every window of the program and holds the values one run of the program
// collects. The pages reach it as their WindowOwner. The start window is made with it; every
// other window when it is first asked for, and kept for the rest of the run.
#pragma once

#include "ui/pages/WindowOwner.h"

#include <memory>

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
class TPreviewBox;

namespace vornask {

class AppWindows final : public WindowOwner {
public:
    AppWindows();
    ~AppWindows();

    TStartBox& StartBox() const { return *startBox_; }
    TFirstBox& FirstBox() const;
    TSecondBox& SecondBox() const;
    TThirdBox& ThirdBox() const;
    THelpBox& HelpBox() const;
    TFourthBox& FourthBox() const;
    TAdvancedAIOptions& AdvancedAIOptions() const override;
    TFifthBox& FifthBox() const;
    TCampaignBox& CampaignBox() const;
    TSixthBox& SixthBox() const;
    TViewSourceBox& ViewSourceBox() const override;
    TAskTitleBox& AskTitleBox() const override;
    TCampaignFinished& CampaignFinished() const;
    TViewCampaignSource& ViewCampaignSource() const override;
    TPreviewBox& PreviewBox() override;

    // Opens the mission or campaign guide file at `path` as the start window's "Open" does:
    // a mission in the wizard from its general details page, a guide file in the campaign
    // editor. A file that is refused, or that the user decides not to open, changes nothing.
    void OpenFile(const QString& path);

    int OpenNext(QWidget& from) override;
    void CloseMissionWizard() override;
    void RunMissionWizard() override;
    bool MayAbandonMission(QWidget& page) override;
    void ShowSaved(const QString& file) override;
    // Whether the user's close of `window`, a campaign window after the editor, may drop the
    // campaign: when it holds work not saved, only after a "Yes".
    bool MayDropCampaign(QWidget& window);
    // Whether the program may end: the campaign's source view, the one window that may stay
    // open beside the start window, holds a guide not saved only until "Yes" to dropping it.
    bool MayQuit();
    QString DialogFolder() const override;

private:
    // Whether the mission's windows hold anything typed since it started.
    bool MissionHoldsTyping() const;

    // The windows, destroyed in the reverse order. Making all of them at start-up was most of
    // the start-up's time and memory; one made on first use is what it would have been, as a
    // window shows the run's values when it opens. So a window is a value of the run made when
    // asked for, also by a const accessor.
    std::unique_ptr<TStartBox> startBox_;
    mutable std::unique_ptr<TFirstBox> firstBox_;
    mutable std::unique_ptr<TSecondBox> secondBox_;
    mutable std::unique_ptr<TThirdBox> thirdBox_;
    mutable std::unique_ptr<THelpBox> helpBox_;
    mutable std::unique_ptr<TFourthBox> fourthBox_;
    mutable std::unique_ptr<TAdvancedAIOptions> advancedAIOptions_;
    mutable std::unique_ptr<TFifthBox> fifthBox_;
    mutable std::unique_ptr<TCampaignBox> campaignBox_;
    mutable std::unique_ptr<TSixthBox> sixthBox_;
    mutable std::unique_ptr<TViewSourceBox> viewSourceBox_;
    mutable std::unique_ptr<TAskTitleBox> askTitleBox_;
    mutable std::unique_ptr<TCampaignFinished> campaignFinished_;
    mutable std::unique_ptr<TViewCampaignSource> viewCampaignSource_;
    // Made when first opened, and destroyed first: it may stand as a child of any window above.
    std::unique_ptr<TPreviewBox> previewBox_;
};

} // namespace vornask
