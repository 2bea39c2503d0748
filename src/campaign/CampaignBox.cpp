#include "campaign/CampaignBox.h"

#include "app/AppWindows.h"

namespace vornask {

TCampaignBox::TCampaignBox(AppWindows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("CampaignBox"));
    setWindowTitle(QStringLiteral("VORNASK Creator"));
}

int TCampaignBox::OpenFromStart() {
    SetValues();
    return exec();
}

void TCampaignBox::SetValues() {
    static_cast<void>(windows_);
}

} // namespace vornask
