#include "ui/controls/SpinEdit.h"

#include "core/text/SpinValue.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>

// Global T-classes: Qt reports "TSpinEdit", not "vornask::TSpinEdit".
using namespace vornask;

TSpinEdit::TSpinEdit(int minimum, int maximum, int step, QWidget* parent)
    : QSpinBox(parent), madeMinimum_(minimum), madeMaximum_(maximum) {
    setRange(minimum, maximum);
    setSingleStep(step);
}

int TSpinEdit::Settle() {
    const int value = ClampedSpinValue(lineEdit()->text().toStdString(), minimum(), maximum());
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
    static const QRegularExpression digits(QStringLiteral("^[-+]?[0-9]*$"));
    // Out-of-range digits are still being typed; the range applies when the field is left.
    if (state == QValidator::Invalid && digits.match(text).hasMatch())
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
