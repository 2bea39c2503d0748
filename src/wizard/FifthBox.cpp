#include "wizard/FifthBox.h"

#include "app/AppWindows.h"
#include "wizard/FourthBox.h"
#include "wizard/SixthBox.h"

namespace vornask {

TFifthBox::TFifthBox(AppWindows& windows)
    : TPageFrame(QStringLiteral("FifthBox"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("Events")),
      windows_(windows) {}

void TFifthBox::ClosePrevious() {
    windows_.FourthBox().hide();
}

void TFifthBox::GoToNext() {
    windows_.SixthBox().OpenFromPrevious();
}

} // namespace vornask
