#pragma once

#include <QDialog>

class QLineEdit;

// The small prompt for a mission's title, used by the campaign editor. Never reset: it offers
// the title typed last.
class TAskTitleBox : public QDialog {
    Q_OBJECT
public:
    TAskTitleBox();

    QLineEdit* MapTitleBox() const { return mapTitleBox_; }

private:
    QLineEdit* mapTitleBox_;
};
