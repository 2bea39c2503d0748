// The entry box page: the quote, its author and the background story shown as the map loads.
#pragma once

#include "ui/start/PageFrame.h"

class QLineEdit;
class QPlainTextEdit;

namespace vornask {

class AppWindows;

} // namespace vornask

class TThirdBox : public TPageFrame {
    Q_OBJECT
public:
    explicit TThirdBox(vornask::AppWindows& windows);

    void ClosePrevious();
    void GoToNext();
    void ResetToDefaults();

protected:
    void Activated() override { ClosePrevious(); }
    void OkPressed() override { GoToNext(); }

private:
    void StoreEntryBox();

    vornask::AppWindows& windows_;
    QLineEdit* QuoteTextBox;
    QLineEdit* QuoteAuthorBox;
    QPlainTextEdit* BackgroundStoryBox;
};
