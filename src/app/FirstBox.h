#pragma once

#include "app/PageFrame.h"

namespace vornask {

class AppWindows;

// The welcome page.
class TFirstBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TFirstBox(AppWindows& windows);

    void NextBox();

protected:
    void OkPressed() override { NextBox(); }

private:
    AppWindows& windows_;
};

} // namespace vornask
