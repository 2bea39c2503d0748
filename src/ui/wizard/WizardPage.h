// A page of the mission wizard. Opened from the page before, it hides that page; the first time
// in a mission it shows the values the mission starts with (a new mission's defaults, or an
// opened file's values), later what was left in it. Its "OK" stores what it shows into the run's
// mission and opens the next page; its "< Back" returns to the page before.
#pragma once

#include "ui/pages/PageFrame.h"

#include <QStringList>

namespace vornask {

class WindowOwner;

} // namespace vornask

class TWizardPage : public TPageFrame {
    Q_OBJECT
public:
    TWizardPage(vornask::WindowOwner& windows, const QString& objectName, const QString& caption,
                const QString& heading);

    void ClosePrevious();
    virtual void GoToNext();
    virtual void ResetToDefaults() = 0;
    // Whether the page holds anything the user typed since the mission started.
    virtual bool HoldsTyping() const;

protected:
    void Activated() override { ClosePrevious(); }
    void OkPressed() override { GoToNext(); }

    // The control that has the focus when the page opens, its text selected; none leaves
    // the focus where the page's tab order puts it.
    virtual QWidget* FirstInput() const { return nullptr; }
    // Mends what the page shows before it is stored, asking the user: false keeps the page
    // open, for the user to mend it by hand.
    virtual bool MendTexts() { return true; }
    // Writes what the page shows into the run's mission: the first step of "OK".
    virtual void StoreValues() {}

    vornask::WindowOwner& windows() const { return windows_; }
    // Whether the page opened in the mission being made.
    bool ShownInThisMission() const;

private:
    vornask::WindowOwner& windows_;
    int shownInMission_ = -1; // the count of missions started when it last showed a start
    QStringList startValues_; // the values its controls showed then
};
