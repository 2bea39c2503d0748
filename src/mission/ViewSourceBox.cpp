#include "mission/ViewSourceBox.h"

#include "app/AppWindows.h"

namespace vornask {

TViewSourceBox::TViewSourceBox(AppWindows& windows)
    : TPageFrame(QStringLiteral("ViewSourceBox"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("View/Edit Source")),
      windows_(windows) {}

void TViewSourceBox::SaveIt() {
    static_cast<void>(windows_);
}

} // namespace vornask
