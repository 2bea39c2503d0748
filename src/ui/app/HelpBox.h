#pragma once

#include "ui/pages/PageFrame.h"

class QPlainTextEdit;

// The help window: shows "help.txt" from the program's folder.
class THelpBox : public TPageFrame {
    Q_OBJECT
public:
    THelpBox();

    void LoadHelp();
    // Shows the help modally, centred over `window`, the one it was asked for from.
    int OpenOver(QWidget& window);

protected:
    void Activated() override { LoadHelp(); }

private:
    QPlainTextEdit* helpText_;
};
