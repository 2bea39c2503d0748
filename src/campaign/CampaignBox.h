#pragma once

#include <QDialog>

namespace vornask {

class AppWindows;

// The campaign tree editor.
class TCampaignBox : public QDialog {
    Q_OBJECT
public:
    explicit TCampaignBox(AppWindows& windows);

    // Shown from the start window: a new campaign starts.
    int OpenFromStart();
    void SetValues();

private:
    AppWindows& windows_;
};

} // namespace vornask
