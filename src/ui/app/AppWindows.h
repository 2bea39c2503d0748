// Creates and owns every window of the program, once, in start-up order, and holds the values
// one run of the program collects. The pages reach it as their WindowOwner.
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

namespace vornask {

class AppWindows final : public WindowOwner {
public:
    AppWindows();
    ~AppWindows();

    TStartBox& StartBox() const { return *startBox_; }
    TFirstBox& FirstBox() const { return *firstBox_; }
    TSecondBox& SecondBox() const { return *secondBox_; }
    TThirdBox& ThirdBox() const { return *thirdBox_; }
    THelpBox& HelpBox() const { return *helpBox_; }
    TFourthBox& FourthBox() const { return *fourthBox_; }
    TAdvancedAIOptions& AdvancedAIOptions() const override { return *advancedAIOptions_; }
    TFifthBox& FifthBox() const { return *fifthBox_; }
    TCampaignBox& CampaignBox() const { return *campaignBox_; }
    TSixthBox& SixthBox() const { return *sixthBox_; }
    TViewSourceBox& ViewSourceBox() const override { return *viewSourceBox_; }
    TAskTitleBox& AskTitleBox() const override { return *askTitleBox_; }
    TCampaignFinished& CampaignFinished() const { return *campaignFinished_; }
    TViewCampaignSource& ViewCampaignSource() const override { return *viewCampaignSource_; }

    // Opens the mission or campaign guide file at `path` as the start window's "Open" does:
    // a mission in the wizard from its general details page, a guide file in the campaign
    // editor. A file that is refused, or that the user decides not to open, changes nothing.
    void OpenFile(const QString& path);

    int OpenNext(QWidget& from) override;
    void CloseMissionWizard() override;
    void RunMissionWizard() override;
    bool MayAbandonMission(QWidget& page) override;
    QString DialogFolder() const override;

private:
    // Whether the mission's windows hold anything typed since it started.
    bool MissionHoldsTyping() const;

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
