#include "wizard/FourthBox.h"

#include "app/AppWindows.h"
#include "wizard/FifthBox.h"
#include "wizard/ThirdBox.h"

namespace vornask {

TFourthBox::TFourthBox(AppWindows& windows)
    : TPageFrame(QStringLiteral("FourthBox"), QStringLiteral("VORNASK File Creator"),
                 QStringLiteral("Players and AIs")),
      windows_(windows) {}

void TFourthBox::ClosePrevious() {
    windows_.ThirdBox().hide();
}

void TFourthBox::GoToNext() {
    windows_.FifthBox().OpenFromPrevious();
}

} // namespace vornask
