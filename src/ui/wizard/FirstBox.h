#pragma once

#include "ui/pages/PageFrame.h"

namespace vornask {

class WindowOwner;

} // namespace vornask

// The welcome page.
class TFirstBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TFirstBox(vornask::WindowOwner& windows);

    void NextBox();

protected:
    void OkPressed() override { NextBox(); }

private:
    vornask::WindowOwner& windows_;
};
