#include "campaign/CampaignFinished.h"

#include "app/AppWindows.h"

namespace vornask {

TCampaignFinished::TCampaignFinished(AppWindows& windows)
    : TPageFrame(QStringLiteral("CampaignFinished"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("Finished!")),
      windows_(windows) {
    static_cast<void>(windows_);
}

} // namespace vornask
