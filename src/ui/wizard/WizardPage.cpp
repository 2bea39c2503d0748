#include "ui/wizard/WizardPage.h"

#include "ui/pages/PageControls.h"
#include "ui/pages/WindowOwner.h"

// Global T-classes: Qt reports "TWizardPage", not "vornask::TWizardPage".
using namespace vornask;

TWizardPage::TWizardPage(WindowOwner& windows, const QString& objectName, const QString& caption,
                         const QString& heading)
    : TPageFrame(objectName, caption, heading), windows_(windows) {
    AddBackButton();
}

// Shown again in the same mission (after "< Back" and "OK"), the page keeps what was left in
// it.
void TWizardPage::ClosePrevious() {
    HidePrevious();
    if (ShownInThisMission())
        return;
    shownInMission_ = windows_.MissionsStarted();
    ResetToDefaults();
    startValues_ = ShownValues(*this);
    // Every mission starts in the page's first box, never on its "OK" (the first key typed
    // would press it) nor where the last mission left the focus.
    if (QWidget* first = FirstInput())
        FocusAsTabWould(*first);
}

void TWizardPage::GoToNext() {
    if (!MendTexts()) {
        KeepOpenAfterOk();
        return;
    }
    StoreValues();
    ReturnFrom(windows_.OpenNext(*this));
}

bool TWizardPage::ShownInThisMission() const {
    return shownInMission_ == windows_.MissionsStarted();
}

bool TWizardPage::HoldsTyping() const {
    return ShownInThisMission() && ShownValues(*this) != startValues_;
}
