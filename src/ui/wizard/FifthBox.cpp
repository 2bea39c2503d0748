#include "ui/wizard/FifthBox.h"
#include "ui/controls/SingleLine.h"

#include "core/mission/EventSlots.h"
#include "core/text/LostCharacters.h"
#include "core/text/SectionText.h"
#include "ui/controls/ComboBox98.h"
#include "ui/pages/PageControls.h"
#include "ui/pages/WindowOwner.h"
#include "ui/platform/QtText.h"
#include "ui/preview/PreviewOpening.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace vornask {
namespace {

QStringList OpponentItems() {
    QStringList items;
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        items << QStringLiteral("ai") + QString::number(side);
    return items;
}

QStringList EventItems() {
    QStringList items;
    for (int choice = 0; choice < kEventChoiceCount; ++choice)
        items << QString::fromLatin1(EventChoiceName(choice));
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

// Global T-classes: Qt reports "TFifthBox", not "vornask::TFifthBox".
using namespace vornask;

TFifthBox::TFifthBox(WindowOwner& windows)
    : TWizardPage(windows, QStringLiteral("FifthBox"), tr("VORNASK Creator"), tr("Events")) {

    aiBox_ =
        MakeEditableComboBox(QStringLiteral("aiBox"), OpponentItems(), tr("Whose temple/priest?"));
    aiBox_->setEnabled(false);
    aiBox_->setMinimumWidth(aiBox_->fontMetrics().horizontalAdvance(QStringLiteral("ai8")) + 48);
    eventBox_ = new TComboBox98;
    eventBox_->setObjectName(QStringLiteral("ComboBox981"));
    eventBox_->addItems(EventItems());
    eventBox_->setToolTip(tr("When one of these things happens it can display a message..."));
    headingBox_ = MakeLineEdit(QStringLiteral("HeadingBox"), QString(),
                               tr("Enter the heading (in big letters) here"));
    textBox_ = MakeMemo(QStringLiteral("TextBox"), tr("Enter the message here"));
    textBox_->setMinimumHeight(RowsHeight(*textBox_, textBox_->fontMetrics().lineSpacing(), 6));

    auto* choosers = new QHBoxLayout;
    choosers->addWidget(aiBox_);
    choosers->addWidget(eventBox_, 1);

    auto* doGroup = new QGroupBox(tr("Do..."));
    auto* doForm = new QFormLayout(doGroup);
    doForm->addRow(tr("Heading:"), headingBox_);
    doForm->addRow(tr("Text:"), textBox_);
    doForm->addRow(PreviewRow(MakePreviewButton(*this, windows, [this] { return PreviewOfEvent(); },
                                                {aiBox_, eventBox_, headingBox_, textBox_})));

    content()->addWidget(new QLabel(tr("When...")));
    content()->addLayout(choosers);
    content()->addWidget(doGroup, 1);

    connect(aiBox_, &QComboBox::editTextChanged, this, &TFifthBox::UpdateStuff);
    connect(eventBox_, &TComboBox98::Changed, this, &TFifthBox::UpdateStuff);
    connect(eventBox_, &TComboBox98::Completed, this, &TFifthBox::UpdateStuff);
    connect(headingBox_, &QLineEdit::textChanged, this, &TFifthBox::SaveHeadingValue);
    connect(textBox_, &QPlainTextEdit::textChanged, this, &TFifthBox::SaveTextValue);
}

PreviewSection TFifthBox::PreviewOfEvent() const {
    if (!shown_)
        return {};
    switch (shown_->event) {
    case kSucceededChoice:
        return MissionPreview(windows(), windows().Mission(), WrittenSection::Succeeded);
    case kFailedChoice:
        return MissionPreview(windows(), windows().Mission(), WrittenSection::Failed);
    default:
        return MissionPreview(windows(), windows().Mission(), WrittenSection::Event, shown_->side,
                              shown_->event - kFirstOpponentEventChoice);
    }
}

void TFifthBox::ResetToDefaults() {
    ResetAllValues();
    windows().Mission().events = windows().StartingMission().events; // an opened file's
    eventBox_->setCurrentIndex(kSucceededChoice);
    aiBox_->setCurrentIndex(0);
    UpdateStuff();
}

bool TFifthBox::HoldsTyping() const {
    return ShownInThisMission() && windows().Mission().events != windows().StartingMission().events;
}

QWidget* TFifthBox::FirstInput() const {
    return eventBox_;
}

// Every message the mission will hold, each shown in turn where one of its lines would start a
// section: the user sees the line asked about in its box.
bool TFifthBox::MendTexts() {
    EventMessages& messages = windows().Mission().events;
    for (int event = 0; event < kEventChoiceCount; ++event)
        for (int ai = 0; ai < (IsOpponentEventChoice(event) ? kOpponentCount : 1); ++ai) {
            const EventMessage* slot = SelectedEventMessage(messages, event, ai);
            const bool written = !IsOpponentEventChoice(event) ||
                                 windows().Mission().opponent(kFirstOpponent + ai).enabled;
            if (!written || !HoldsSectionStart(slot->text, true))
                continue;
            ShowSlot(event, ai);
            if (!SpaceLinesStartingSections(*textBox_, true))
                return false;
        }
    return true;
}

void TFifthBox::ShowSlot(int event, int ai) {
    if (IsOpponentEventChoice(event))
        aiBox_->setCurrentIndex(ai);
    eventBox_->setCurrentIndex(event);
    UpdateStuff();
}

void TFifthBox::ResetAllValues() {
    EventMessages& messages = windows().Mission().events;
    ClearValues(messages.Succeeded);
    ClearValues(messages.Failed);
    for (auto& opponent : messages.opponent)
        for (EventMessage& slot : opponent)
            ClearValues(slot);
    windows().MissionLost().Forget(TextField::EventHeading);
    windows().MissionLost().Forget(TextField::EventText);
    LoadValues(messages.Succeeded); // both boxes empty
}

void TFifthBox::ClearValues(EventMessage& slot) {
    slot = EventMessage{};
}

void TFifthBox::LoadValues(const EventMessage& slot) {
    loading_ = true;
    ShowWhole(*headingBox_, FromAnsi(slot.heading));
    textBox_->clear();
    textBox_->setPlainText(FromAnsi(slot.text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    loading_ = false;
}

// Every change of either chooser, and every completion of the event chooser, shows the slot
// they now select, and edits go there until the next change; with none selected the boxes
// keep what they show and edits are stored nowhere.
void TFifthBox::UpdateStuff() {
    const int event = ChoiceOf(*eventBox_);
    const bool opponentEvent = IsOpponentEventChoice(event);
    aiBox_->setEnabled(opponentEvent);
    const int ai = ChoiceOf(*aiBox_);
    EventMessage* slot = SelectedEventMessage(windows().Mission().events, event, ai);
    shown_.reset();
    if (!slot)
        return;
    LoadValues(*slot);
    shown_ = ShownSlot{slot, event, opponentEvent ? kFirstOpponent + ai : 0};
}

void TFifthBox::SaveHeadingValue() {
    if (loading_ || !shown_)
        return;
    shown_->message->heading = Captured(headingBox_->text(), windows().MissionLost(),
                                        {TextField::EventHeading, shown_->event, shown_->side});
}

void TFifthBox::SaveTextValue() {
    if (loading_ || !shown_)
        return;
    shown_->message->text = MemoText(*textBox_);
    RecordMemo(*textBox_, windows().MissionLost(),
               {TextField::EventText, shown_->event, shown_->side});
}
