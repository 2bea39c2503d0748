#include "campaign/ViewCampaignSource.h"

#include "app/AppWindows.h"

namespace vornask {

TViewCampaignSource::TViewCampaignSource(AppWindows& windows)
    : TPageFrame(QStringLiteral("ViewCampaignSource"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("View/Edit Source")),
      windows_(windows) {
    static_cast<void>(windows_);
}

} // namespace vornask
