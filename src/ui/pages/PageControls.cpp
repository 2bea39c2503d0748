#include "ui/pages/PageControls.h"

#include "core/text/Markup.h"
#include "ui/controls/SingleLine.h"
#include "ui/controls/SpinEdit.h"
#include "ui/controls/TextBox.h"
#include "ui/platform/MessageBoxes.h"
#include "ui/platform/QtText.h"
#include "ui/platform/Texts.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>

namespace vornask {
namespace {

template <typename Control>
Control* NamedWithHint(Control* control, const QString& name, const QString& hint) {
    control->setObjectName(name);
    control->setToolTip(hint);
    return control;
}

} // namespace

QStringList ShownValues(const QWidget& window) {
    QStringList values;
    const auto flag = [](bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); };
    // Editable combo boxes and spin boxes show their values in edit boxes of their own.
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        // A window standing over this one as its child (the preview) holds no value of it.
        if (control->window() != &window)
            continue;
        if (const auto* edit = qobject_cast<const QLineEdit*>(control))
            values << edit->text();
        else if (const auto* text = qobject_cast<const QPlainTextEdit*>(control))
            values << text->toPlainText();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            values << flag(button->isCheckable() && button->isChecked());
        else if (const auto* box = qobject_cast<const QComboBox*>(control);
                 box && !box->isEditable())
            values << box->currentText();
        else if (const auto* list = qobject_cast<const QListWidget*>(control))
            for (int row = 0; row < list->count(); ++row)
                values << flag(list->item(row)->checkState() == Qt::Checked);
    }
    return values;
}

int RowsHeight(const QAbstractScrollArea& area, int rowHeight, int rows) {
    return rowHeight * rows + 2 * area.frameWidth() + 8;
}

QLineEdit* MakeLineEdit(const QString& name, const QString& text, const QString& hint) {
    auto* edit = NamedWithHint(new QLineEdit(text), name, hint);
    KeepOnOneLine(*edit);
    return edit;
}

TSpinEdit* MakeSpinEdit(const QString& name, int minimum, int maximum, int step,
                        const QString& hint) {
    return NamedWithHint(new TSpinEdit(minimum, maximum, step), name, hint);
}

QComboBox* MakeEditableComboBox(const QString& name, const QStringList& items,
                                const QString& hint) {
    auto* box = NamedWithHint(new QComboBox, name, hint);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->addItems(items);
    return box;
}

QPlainTextEdit* MakeTextBox(const QString& name, std::size_t maxLines) {
    auto* box = new TTextBox(maxLines);
    box->setObjectName(name);
    // A tab typed into a box would end up in the game's file, and the keyboard could never
    // reach the window's buttons: Tab and Shift+Tab move on, as in every other control.
    box->setTabChangesFocus(true);
    return box;
}

QPlainTextEdit* MakeMemo(const QString& name, const QString& hint) {
    auto* memo = MakeTextBox(name);
    memo->setToolTip(hint);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A memo takes the room the page has left, but never less than a few lines: it asks for
    // no more than those (its contents' default hint), so a page is as large as its other
    // controls make it at any font size.
    memo->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    memo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    memo->setMinimumHeight(RowsHeight(*memo, memo->fontMetrics().lineSpacing(), 4));
    return memo;
}

QListWidget* MakeCheckList(const QString& name, const QStringList& captions, const QString& hint) {
    auto* list = NamedWithHint(new QListWidget, name, hint);
    for (const QString& caption : captions) {
        auto* item = new QListWidgetItem(caption, list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    return list;
}

QLabel* MakeLabel(const QString& name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(name);
    return label;
}

QCheckBox* MakeCheckBox(const QString& name, const QString& caption) {
    auto* box = new QCheckBox(caption);
    box->setObjectName(name);
    return box;
}

bool SpaceLinesStartingSections(QPlainTextEdit& box, bool firstLineBehindTag) {
    constexpr int kLongestShown = 60;
    const QTextBlock first = box.document()->begin();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (!StartsSection(ToAnsi(block.text())) || (firstLineBehindTag && block == first))
            continue;
        QTextCursor line(block);
        line.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        box.setTextCursor(line);
        const QString shown = block.text().size() > kLongestShown
                                  ? block.text().left(kLongestShown) + QStringLiteral("...")
                                  : block.text();
        if (AskQuestion(box.window(),
                        Texts::tr("%1 starts with \"[\", so the game would read it as the start "
                                  "of a new section. Put a space in front of it?")
                            .arg(shown),
                        false, Answer::Yes) != Answer::Yes) {
            box.setFocus(Qt::OtherFocusReason);
            return false;
        }
        QTextCursor(block).insertText(QStringLiteral(" "));
    }
    return true;
}

void FocusAsTabWould(QWidget& control) {
    control.setFocus(Qt::TabFocusReason);
    // Selected backwards, so a text longer than its box shows its start.
    const auto selectWhole = [](QLineEdit& edit) {
        edit.setSelection(static_cast<int>(edit.text().size()),
                          -static_cast<int>(edit.text().size()));
    };
    if (auto* edit = qobject_cast<QLineEdit*>(&control))
        selectWhole(*edit);
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(&control))
        spin->selectAll();
    else if (auto* box = qobject_cast<QComboBox*>(&control); box && box->lineEdit())
        selectWhole(*box->lineEdit());
}

QSize ButtonSize(const QPushButton& button, QSize size) {
    const QFontMetrics metrics = button.fontMetrics();
    // The caption and a small gap inside the button's frame.
    const int border =
        button.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button) + 2;
    const QString caption = QString(button.text()).remove(QLatin1Char('&'));
    return size.expandedTo(
        QSize(metrics.horizontalAdvance(caption) + 2 * border, metrics.height() + 2 * border));
}

void SetLabelColour(QLabel& label, const QColor& colour) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
}

QLabel* MakeHeading(const QString& text) {
    auto* label = MakeLabel(QStringLiteral("Heading"), text);
    QFont font = label->font();
    font.setPointSize(18);
    font.setBold(true);
    label->setFont(font);
    SetLabelColour(*label, QColor(0x80, 0, 0));
    return label;
}

namespace {

class EscapeGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    }
};

} // namespace

void KeepOpenOnEscape(QWidget& window) {
    window.installEventFilter(new EscapeGuard(&window));
}

} // namespace vornask
