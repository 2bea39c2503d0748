#pragma once

#include "app/PageFrame.h"

class QPlainTextEdit;

namespace vornask {

class AppWindows;

// Shows the generated campaign guide file for editing before it is saved. Modeless: it stays
// open beside the start window after the campaign editor has closed.
class TViewCampaignSource : public TPageFrame {
    Q_OBJECT
public:
    explicit TViewCampaignSource(AppWindows& windows);

    // Shown by the finish window, filled from its lines then and only then: switching to
    // another window and back keeps the user's edits.
    void OpenFromFinished();
    void LoadLines();
    void SaveIt();

private:
    AppWindows& windows_;
    QPlainTextEdit* sourceBox_;
};

} // namespace vornask
