#include "ui/start/AppWindows.h"

#include "core/registry/InstallFolder.h"
#include "ui/campaign/CampaignBox.h"
#include "ui/campaign/CampaignFinished.h"
#include "ui/campaign/ViewCampaignSource.h"
#include "ui/start/AskTitleBox.h"
#include "ui/start/FirstBox.h"
#include "ui/start/HelpBox.h"
#include "ui/start/StartBox.h"
#include "ui/wizard/AdvancedAIOptions.h"
#include "ui/wizard/FifthBox.h"
#include "ui/wizard/FourthBox.h"
#include "ui/wizard/SecondBox.h"
#include "ui/wizard/SixthBox.h"
#include "ui/wizard/ThirdBox.h"
#include "ui/wizard/ViewSourceBox.h"

namespace vornask {

AppWindows::AppWindows()
    : startBox_(std::make_unique<TStartBox>(*this)), firstBox_(std::make_unique<TFirstBox>(*this)),
      secondBox_(std::make_unique<TSecondBox>(*this)),
      thirdBox_(std::make_unique<TThirdBox>(*this)), helpBox_(std::make_unique<THelpBox>()),
      fourthBox_(std::make_unique<TFourthBox>(*this)),
      advancedAIOptions_(std::make_unique<TAdvancedAIOptions>(*this)),
      fifthBox_(std::make_unique<TFifthBox>(*this)),
      campaignBox_(std::make_unique<TCampaignBox>(*this)),
      sixthBox_(std::make_unique<TSixthBox>(*this)),
      viewSourceBox_(std::make_unique<TViewSourceBox>(*this)),
      askTitleBox_(std::make_unique<TAskTitleBox>()),
      campaignFinished_(std::make_unique<TCampaignFinished>(*this)),
      viewCampaignSource_(std::make_unique<TViewCampaignSource>(*this)) {}

AppWindows::~AppWindows() = default;

QString AppWindows::DialogFolder() const {
    return QString::fromStdString(LocalDialogFolder(startBox_->InstallDir, startBox_->GamePrefix));
}

} // namespace vornask
