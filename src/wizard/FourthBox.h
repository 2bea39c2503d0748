#pragma once

#include "app/PageFrame.h"

namespace vornask {

class AppWindows;

class TFourthBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TFourthBox(AppWindows& windows);

    void ClosePrevious();
    void GoToNext();

protected:
    void Activated() override { ClosePrevious(); }
    void OkPressed() override { GoToNext(); }

private:
    AppWindows& windows_;
};

} // namespace vornask
