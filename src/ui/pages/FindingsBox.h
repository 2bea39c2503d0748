// The findings of a check, one to a row of a list, each with its line, in a window of the
// shared frame that the user may make larger.
#pragma once

#include "ui/pages/PageFrame.h"

#include <QStringList>

class QLabel;
class QListWidget;

class TFindingsBox : public TPageFrame {
    Q_OBJECT
public:
    TFindingsBox();

    // Shows `summary` above `findings` (one at least), centred over `window`, until the user
    // closes it.
    int ShowOver(QWidget& window, const QString& summary, const QStringList& findings);

private:
    QLabel* summary_;
    QListWidget* findings_;
};
