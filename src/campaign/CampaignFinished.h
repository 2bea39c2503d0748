#pragma once

#include "app/PageFrame.h"

namespace vornask {

class AppWindows;

// The campaign finish window: saving options, then the guide file is written.
class TCampaignFinished : public TPageFrame {
    Q_OBJECT
public:
    explicit TCampaignFinished(AppWindows& windows);

private:
    AppWindows& windows_;
};

} // namespace vornask
