// A spin edit that lets the user type any number and brings it into range afterwards:
// when the field loses the focus, or when its page takes the value.
#pragma once

#include <QSpinBox>

class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    TSpinEdit(int minimum, int maximum, int step, QWidget* parent = nullptr);

    // Brings the typed text into range (no number counts as the minimum) and returns it.
    int Settle();
    // Shows `value`, the range widened to hold it where it lies beyond (a file's value is shown
    // as it is); the next value shown starts from the range the box was made with.
    void ShowValue(int value);

protected:
    int madeMinimum_;
    int madeMaximum_;

    QValidator::State validate(QString& text, int& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
