#include "ui/controls/ComboBox98.h"

#include "core/text/Completion.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <utility>

namespace vornask {
namespace {

// Qt's key codes for keys outside Latin-1, as the desktop's virtual key codes.
constexpr std::pair<int, std::uint16_t> kVirtualKeyCodes[] = {
    {Qt::Key_Backspace, kBackspaceKeyCode},
    {Qt::Key_Delete, kDeleteKeyCode},
    {Qt::Key_Tab, 9},
    {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},
    {Qt::Key_Shift, 16},
    {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},
    {Qt::Key_Escape, 27},
    {Qt::Key_End, 35},
    {Qt::Key_Home, 36},
    {Qt::Key_Left, 37},
    {Qt::Key_Up, 38},
    {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},
    {Qt::Key_Insert, 45},
};

std::uint16_t VirtualKeyCode(int qtKey) {
    for (const auto& [key, code] : kVirtualKeyCodes)
        if (key == qtKey)
            return code;
    // Letters, digits and the space bar share their codes; other keys only need to be neither
    // of the two erasing keys (Qt's code for "." is the desktop's code for Delete).
    const bool shared = qtKey == Qt::Key_Space || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) ||
                        (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z);
    return shared ? static_cast<std::uint16_t>(qtKey) : 0xFF;
}

std::vector<std::u16string> ItemTexts(const QComboBox& box) {
    std::vector<std::u16string> items;
    items.reserve(static_cast<std::size_t>(box.count()));
    for (int i = 0; i < box.count(); ++i)
        items.push_back(box.itemText(i).toStdU16String());
    return items;
}

} // namespace

} // namespace vornask

// Global T-classes: Qt reports "TComboBox98", not "vornask::TComboBox98".
using namespace vornask;

TComboBox98::TComboBox98(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(this, &QComboBox::currentTextChanged, this, &TComboBox98::Change);
    connect(this, &QComboBox::activated, this, &TComboBox98::Picked);
}

void TComboBox98::keyPressEvent(QKeyEvent* event) {
    RecordKey(*event);
    QComboBox::keyPressEvent(event);
}

bool TComboBox98::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit() && event->type() == QEvent::KeyPress)
        RecordKey(*static_cast<QKeyEvent*>(event));
    return QComboBox::eventFilter(watched, event);
}

void TComboBox98::RecordKey(const QKeyEvent& event) {
    WatchLineEdit();
    lastKey_ = VirtualKeyCode(event.key());
}

// The edit field can be replaced (by making the box editable again), so it is watched anew.
void TComboBox98::WatchLineEdit() {
    if (lineEdit() && lineEdit() != watchedLineEdit_) {
        lineEdit()->installEventFilter(this);
        watchedLineEdit_ = lineEdit();
    }
}

void TComboBox98::Change(const QString& text) {
    WatchLineEdit();
    reportedText_ = text;
    emit Changed(text);
    ApplyCompletion();
}

// A pick is a change even when the box already showed the picked item, as after completing
// what was typed: the owner saw only the typed text, so it is told of the item now. An item
// the owner saw last is not reported twice.
void TComboBox98::Picked(int index) {
    const QString item = itemText(index);
    if (index >= 0 && item != reportedText_ && currentText() == item)
        Change(item);
}

void TComboBox98::ApplyCompletion() {
    QLineEdit* edit = lineEdit();
    const CompletionContext context{complete_, edit != nullptr, lastKey_, minLengthComplete_};
    if (!edit || !CompletionMayRun(context, static_cast<std::size_t>(edit->text().size()),
                                   static_cast<std::size_t>(count())))
        return;
    const QString typed = edit->text();
    const auto rest = CompletionFor(ItemTexts(*this), typed.toStdU16String());
    if (!rest)
        return;
    QString completeWith = QString::fromStdU16String(*rest);
    bool doComplete = true;
    if (onComplete_)
        onComplete_(this, lastKey_, completeWith, doComplete);
    if (!doComplete)
        return;
    const QString completed = typed + completeWith;
    {
        const QSignalBlocker quiet(this); // the owner saw this change already
        edit->setText(completed);
    }
    edit->setSelection(static_cast<int>(typed.size()),
                       static_cast<int>(completed.size() - typed.size()));
    emit Completed(completed);
}
