#pragma once

#include "app/PageFrame.h"

namespace vornask {

class AppWindows;

// Shows the generated campaign guide file for editing; modeless.
class TViewCampaignSource : public TPageFrame {
    Q_OBJECT
public:
    explicit TViewCampaignSource(AppWindows& windows);

private:
    AppWindows& windows_;
};

} // namespace vornask
