#pragma once

#include "app/PageFrame.h"

namespace vornask {

class AppWindows;

// Shows the generated mission file for editing before it is saved.
class TViewSourceBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TViewSourceBox(AppWindows& windows);

    void SaveIt();

protected:
    void OkPressed() override { SaveIt(); }

private:
    AppWindows& windows_;
};

} // namespace vornask
