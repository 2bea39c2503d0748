#include "wizard/SecondBox.h"

#include "app/AppWindows.h"
#include "app/FirstBox.h"
#include "wizard/ThirdBox.h"

namespace vornask {

TSecondBox::TSecondBox(AppWindows& windows)
    : TPageFrame(QStringLiteral("SecondBox"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("General Details")),
      windows_(windows) {}

void TSecondBox::ClosePrevious() {
    windows_.FirstBox().hide();
}

void TSecondBox::GoToNext() {
    windows_.ThirdBox().OpenFromPrevious();
}

} // namespace vornask
