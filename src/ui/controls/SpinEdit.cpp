#include "ui/controls/SpinEdit.h"

#include "core/text/SpinValue.h"

#include <QKeyEvent>
#include <QLineEdit>

// Global T-classes: Qt reports "TSpinEdit", not "vornask::TSpinEdit".
using namespace vornask;

TSpinEdit::TSpinEdit(int minimum, int maximum, int step, QWidget* parent)
    : QSpinBox(parent), madeMinimum_(minimum), madeMaximum_(maximum) {
    setRange(minimum, maximum);
    setSingleStep(step);
}

// What the box shows is what its page gets: a text the box accepts ("1,000", " 50") is read
// as the box reads it, in its language; the rest (a number out of range, no number) settles.
int TSpinEdit::Settle() {
    QString text = lineEdit()->text();
    int position = 0;
    const int value = QSpinBox::validate(text, position) == QValidator::Acceptable
                          ? valueFromText(lineEdit()->text())
                          : ClampedSpinValue(lineEdit()->text().toStdString(), minimum(), maximum(),
                                             locale().groupSeparator().toStdString());
    setValue(value);
    lineEdit()->setText(textFromValue(value)); // also when the value itself did not change
    return value;
}

void TSpinEdit::ShowValue(int value) {
    setRange(std::min(madeMinimum_, value), std::max(madeMaximum_, value));
    setValue(value);
}

QValidator::State TSpinEdit::validate(QString& text, int& pos) const {
    const QValidator::State state = QSpinBox::validate(text, pos);
    // A number out of range ("600,000") is still being typed; the range applies when the field
    // is left.
    if (state == QValidator::Invalid &&
        IsSpinTyping(text.toStdString(), locale().groupSeparator().toStdString()))
        return QValidator::Intermediate;
    return state;
}

// Qt takes Return as the end of typing and puts back the last value it accepted before the
// page can read the text ("150" in a box up to 99 would be saved as "15"): the typed text is
// settled first.
void TSpinEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Settle();
    QSpinBox::keyPressEvent(event);
}

// The same holds when the focus leaves for a button clicked.
void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    Settle();
    QSpinBox::focusOutEvent(event);
}
