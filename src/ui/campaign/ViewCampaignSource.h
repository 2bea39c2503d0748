#pragma once

#include "ui/start/PageFrame.h"

class QPlainTextEdit;

namespace vornask {

class AppWindows;

} // namespace vornask

// Shows the generated campaign guide file for editing before it is saved. Modeless: it stays
// open beside the start window after the campaign editor has closed.
class TViewCampaignSource : public TPageFrame {
    Q_OBJECT
public:
    explicit TViewCampaignSource(vornask::AppWindows& windows);

    // Shown by the finish window, filled from its lines then and only then: switching to
    // another window and back keeps the user's edits.
    void OpenFromFinished();
    void LoadLines();
    void SaveIt();

private:
    vornask::AppWindows& windows_;
    QPlainTextEdit* sourceBox_;
};
