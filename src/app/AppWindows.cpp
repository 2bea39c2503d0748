#include "app/AppWindows.h"

#include "app/AskTitleBox.h"
#include "app/FirstBox.h"
#include "app/HelpBox.h"
#include "app/InstallFolder.h"
#include "app/StartBox.h"
#include "campaign/CampaignBox.h"
#include "campaign/CampaignFinished.h"
#include "campaign/ViewCampaignSource.h"
#include "mission/ViewSourceBox.h"
#include "wizard/AdvancedAIOptions.h"
#include "wizard/FifthBox.h"
#include "wizard/FourthBox.h"
#include "wizard/SecondBox.h"
#include "wizard/SixthBox.h"
#include "wizard/ThirdBox.h"

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
    return QString::fromStdString(LocalDialogFolder(startBox_->InstallDir));
}

} // namespace vornask
