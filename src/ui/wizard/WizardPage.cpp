#include "ui/wizard/WizardPage.h"

#include "ui/start/AppWindows.h"

// Global T-classes: Qt reports "TWizardPage", not "vornask::TWizardPage".
using namespace vornask;

TWizardPage::TWizardPage(AppWindows& windows, const QString& objectName, const QString& caption,
                         const QString& heading)
    : TPageFrame(objectName, caption, heading), windows_(windows) {}

void TWizardPage::ClosePrevious() {
    HidePrevious();
    ResetToDefaults();
}

void TWizardPage::GoToNext() {
    StoreValues();
    windows_.OpenNext(*this);
}
