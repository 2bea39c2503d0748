#include "wizard/AdvancedAIOptions.h"

#include "app/AppWindows.h"

namespace vornask {

TAdvancedAIOptions::TAdvancedAIOptions(AppWindows& windows) : windows_(windows) {
    setObjectName(QStringLiteral("AdvancedAIOptions"));
    setWindowTitle(QStringLiteral("Advanced AI Options"));
    static_cast<void>(windows_);
}

} // namespace vornask
