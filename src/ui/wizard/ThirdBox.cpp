#include "ui/wizard/ThirdBox.h"
#include "ui/controls/SingleLine.h"

#include "ui/pages/PageControls.h"
#include "ui/pages/WindowOwner.h"
#include "ui/platform/QtText.h"
#include "ui/preview/PreviewOpening.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

// Global T-classes: Qt reports "TThirdBox", not "vornask::TThirdBox".
using namespace vornask;

TThirdBox::TThirdBox(WindowOwner& windows)
    : TWizardPage(windows, QStringLiteral("ThirdBox"), tr("VORNASK Creator"), tr("Entry Box")) {
    auto* explanation = new QLabel(
        tr("The entry box is displayed when the map loads and usually contains a nice quote and "
           "the background story of the map."));
    explanation->setWordWrap(true);

    quoteTextBox_ = MakeLineEdit(QStringLiteral("QuoteTextBox"), QString(),
                                 tr("A quote of some relevance to the map"));
    quoteAuthorBox_ =
        MakeLineEdit(QStringLiteral("QuoteAuthorBox"), QString(), tr("Who wrote the quote"));
    backgroundStoryBox_ = MakeMemo(QStringLiteral("BackgroundStoryBox"), tr("The plot!"));
    ResetToDefaults();

    auto* form = new QFormLayout;
    form->addRow(tr("Quote Text:"), quoteTextBox_);
    form->addRow(tr("Quote Author:"), quoteAuthorBox_);
    content()->addWidget(explanation);
    content()->addLayout(form);
    content()->addWidget(new QLabel(tr("Background Story:")));
    content()->addWidget(backgroundStoryBox_, 1);
    AddPreviewButton();
}

void TThirdBox::AddPreviewButton() {
    content()->addLayout(
        PreviewRow(MakePreviewButton(*this, windows(), [this] { return PreviewOfEntryBox(); },
                                     {quoteTextBox_, quoteAuthorBox_, backgroundStoryBox_})));
}

PreviewSection TThirdBox::PreviewOfEntryBox() const {
    MissionSettings mission = windows().Mission();
    mission.entryBox = {ToAnsi(quoteTextBox_->text()), ToAnsi(quoteAuthorBox_->text()),
                        MemoText(*backgroundStoryBox_)};
    return MissionPreview(windows(), mission, WrittenSection::EntryBox);
}

void TThirdBox::ResetToDefaults() {
    const EntryBox& start = windows().StartingMission().entryBox;
    ShowWhole(*quoteTextBox_, FromAnsi(start.QuoteTextBox));
    quoteTextBox_->setCursorPosition(0); // the quote is longer than the box: show its start
    ShowWhole(*quoteAuthorBox_, FromAnsi(start.QuoteAuthorBox));
    SetMemoLines(*backgroundStoryBox_, {start.BackgroundStoryBox});
}

QWidget* TThirdBox::FirstInput() const {
    return quoteTextBox_;
}

bool TThirdBox::MendTexts() {
    return SpaceLinesStartingSections(*backgroundStoryBox_, true);
}

void TThirdBox::StoreValues() {
    EntryBox& entry = windows().Mission().entryBox;
    LostCharacters& lost = windows().MissionLost();
    entry.QuoteTextBox = Captured(quoteTextBox_->text(), lost, {TextField::Quote});
    entry.QuoteAuthorBox = Captured(quoteAuthorBox_->text(), lost, {TextField::QuoteAuthor});
    entry.BackgroundStoryBox = MemoText(*backgroundStoryBox_);
    RecordMemo(*backgroundStoryBox_, lost, {TextField::Story});
}
