#pragma once

#include "ui/start/PageFrame.h"

namespace vornask {

class AppWindows;

} // namespace vornask

// The welcome page.
class TFirstBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TFirstBox(vornask::AppWindows& windows);

    void NextBox();

protected:
    void OkPressed() override { NextBox(); }

private:
    vornask::AppWindows& windows_;
};
