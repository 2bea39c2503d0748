#include "wizard/ThirdBox.h"

#include "app/AppWindows.h"
#include "wizard/FourthBox.h"
#include "wizard/SecondBox.h"

namespace vornask {

TThirdBox::TThirdBox(AppWindows& windows)
    : TPageFrame(QStringLiteral("ThirdBox"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("Entry Box")),
      windows_(windows) {}

void TThirdBox::ClosePrevious() {
    windows_.SecondBox().hide();
}

void TThirdBox::GoToNext() {
    windows_.FourthBox().OpenFromPrevious();
}

} // namespace vornask
