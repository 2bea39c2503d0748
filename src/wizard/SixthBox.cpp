#include "wizard/SixthBox.h"

#include "app/AppWindows.h"
#include "wizard/FifthBox.h"

namespace vornask {

TSixthBox::TSixthBox(AppWindows& windows)
    : TPageFrame(QStringLiteral("SixthBox"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("Congratulations!")),
      windows_(windows) {}

void TSixthBox::ClosePrevious() {
    windows_.FifthBox().hide();
}

void TSixthBox::GoToNext() {}

} // namespace vornask
