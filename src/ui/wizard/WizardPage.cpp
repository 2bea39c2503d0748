#include "ui/wizard/WizardPage.h"

#include "ui/pages/PageControls.h"
#include "ui/pages/WindowOwner.h"

// Global T-classes: Qt reports "TWizardPage", not "vornask::TWizardPage".
using namespace vornask;

TWizardPage::TWizardPage(WindowOwner& windows, const QString& objectName, const QString& caption,
                         const QString& heading)
    : TPageFrame(objectName, caption, heading), windows_(windows) {}

void TWizardPage::ClosePrevious() {
    HidePrevious();
    ResetToDefaults();
    // Every pass through the wizard starts in the page's first box, never on its "OK" (the
    // first key typed would press it) nor where the last pass left the focus.
    if (QWidget* first = FirstInput())
        FocusAsTabWould(*first);
}

void TWizardPage::GoToNext() {
    if (!MendTexts()) {
        KeepOpenAfterOk();
        return;
    }
    StoreValues();
    windows_.OpenNext(*this);
}
