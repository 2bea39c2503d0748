#include "ui/wizard/FifthBox.h"

#include "core/mission/EventSlots.h"
#include "ui/controls/ComboBox98.h"
#include "ui/platform/QtText.h"
#include "ui/start/AppWindows.h"
#include "ui/start/PageControls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vornask {
namespace {

QStringList OpponentItems() {
    QStringList items;
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        items << QStringLiteral("ai") + QString::number(side);
    return items;
}

QStringList EventItems() {
    QStringList items = {QStringLiteral("Succeeded"), QStringLiteral("Failed")};
    for (const char* kind : kOpponentEventNames)
        items << QString::fromLatin1(kind);
    return items;
}

// A chooser's position is that of the item its text names exactly; typed text that is no
// item chooses nothing.
int ChoiceOf(const QComboBox& chooser) {
    const int index =
        chooser.findText(chooser.currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
    return index >= 0 ? index : kNoChoice;
}

} // namespace

} // namespace vornask

using namespace vornask;

TFifthBox::TFifthBox(AppWindows& windows)
    : TPageFrame(QStringLiteral("FifthBox"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("Events")),
      windows_(windows) {

    aiBox = MakeEditableComboBox(QStringLiteral("aiBox"), OpponentItems());
    aiBox->setToolTip(QStringLiteral("Whose temple/priest?"));
    aiBox->setEnabled(false);
    aiBox->setMinimumWidth(aiBox->fontMetrics().horizontalAdvance(QStringLiteral("ai8")) + 48);
    ComboBox981 = new TComboBox98;
    ComboBox981->setObjectName(QStringLiteral("ComboBox981"));
    ComboBox981->addItems(EventItems());
    ComboBox981->setToolTip(
        QStringLiteral("When one of these things happens it can display a message..."));
    HeadingBox = MakeLineEdit(QStringLiteral("HeadingBox"), QString(),
                              QStringLiteral("Enter the heading (in big letters) here"));
    TextBox = MakeMemo(QStringLiteral("TextBox"), QStringLiteral("Enter the message here"));
    TextBox->setMinimumHeight(RowsHeight(*TextBox, TextBox->fontMetrics().lineSpacing(), 6));

    auto* choosers = new QHBoxLayout;
    choosers->addWidget(aiBox);
    choosers->addWidget(ComboBox981, 1);

    auto* doGroup = new QGroupBox(QStringLiteral("Do..."));
    auto* doForm = new QFormLayout(doGroup);
    doForm->addRow(QStringLiteral("Heading:"), HeadingBox);
    doForm->addRow(QStringLiteral("Text:"), TextBox);

    content()->addWidget(new QLabel(QStringLiteral("When...")));
    content()->addLayout(choosers);
    content()->addWidget(doGroup, 1);

    connect(aiBox, &QComboBox::editTextChanged, this, &TFifthBox::UpdateStuff);
    connect(ComboBox981, &TComboBox98::Changed, this, &TFifthBox::UpdateStuff);
    connect(HeadingBox, &QLineEdit::textChanged, this, &TFifthBox::SaveHeadingValue);
    connect(TextBox, &QPlainTextEdit::textChanged, this, &TFifthBox::SaveTextValue);
}

void TFifthBox::ClosePrevious() {
    HidePrevious();
    ResetAllValues();
    ComboBox981->setCurrentIndex(kSucceededChoice);
    aiBox->setCurrentIndex(0);
    LoadValues(windows_.Mission().events.Succeeded);
}

void TFifthBox::ResetAllValues() {
    EventMessages& messages = windows_.Mission().events;
    ClearValues(messages.Succeeded);
    ClearValues(messages.Failed);
    for (auto& opponent : messages.opponent)
        for (EventMessage& slot : opponent)
            ClearValues(slot);
    LoadValues(messages.Succeeded); // both boxes empty
}

void TFifthBox::ClearValues(EventMessage& slot) {
    slot = EventMessage{};
}

void TFifthBox::LoadValues(const EventMessage& slot) {
    loading_ = true;
    HeadingBox->setText(FromAnsi(slot.heading));
    TextBox->clear();
    TextBox->setPlainText(FromAnsi(slot.text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    loading_ = false;
}

int TFifthBox::EventChoice() const {
    return ChoiceOf(*ComboBox981);
}

int TFifthBox::AiChoice() const {
    return ChoiceOf(*aiBox);
}

// Every change of either chooser shows the slot they now select; with none selected the
// boxes keep what they show.
void TFifthBox::UpdateStuff() {
    aiBox->setEnabled(IsOpponentEventChoice(EventChoice()));
    if (const EventMessage* slot = SelectedSlot())
        LoadValues(*slot);
}

EventMessage* TFifthBox::SelectedSlot() {
    return SelectedEventMessage(windows_.Mission().events, EventChoice(), AiChoice());
}

void TFifthBox::SaveHeadingValue() {
    Save(ToAnsi(HeadingBox->text()), &EventMessage::heading);
}

void TFifthBox::SaveTextValue() {
    Save(MemoText(*TextBox), &EventMessage::text);
}

// Typed into a box while no slot is selected, a value is stored nowhere.
void TFifthBox::Save(const std::string& value, std::string EventMessage::*entry) {
    if (loading_)
        return;
    if (EventMessage* slot = SelectedSlot())
        slot->*entry = value;
}

void TFifthBox::GoToNext() {
    windows_.OpenNext(*this);
}
