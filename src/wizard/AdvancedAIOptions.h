#pragma once

#include <QDialog>

namespace vornask {

class AppWindows;

// Sets the behaviour values of one computer opponent; shown over the players page.
class TAdvancedAIOptions : public QDialog {
    Q_OBJECT
public:
    explicit TAdvancedAIOptions(AppWindows& windows);

private:
    AppWindows& windows_;
};

} // namespace vornask
