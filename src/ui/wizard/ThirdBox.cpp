#include "ui/wizard/ThirdBox.h"

#include "ui/platform/QtText.h"
#include "ui/start/AppWindows.h"
#include "ui/start/PageControls.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vornask {
namespace {

const QString kDefaultQuote = QStringLiteral("\"Why of course my maps are the best!\"");
const QString kDefaultAuthor = QStringLiteral("The Mapmaker");
const QString kDefaultStory =
    QStringLiteral("You were living happily but then you got attacked and had to fight.");

} // namespace

} // namespace vornask

using namespace vornask;

TThirdBox::TThirdBox(AppWindows& windows)
    : TPageFrame(QStringLiteral("ThirdBox"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("Entry Box")),
      windows_(windows) {

    auto* explanation = new QLabel(QStringLiteral(
        "The entry box is displayed when the map loads and usually contains a nice quote and the "
        "background story of the map."));
    explanation->setWordWrap(true);

    QuoteTextBox = MakeLineEdit(QStringLiteral("QuoteTextBox"), kDefaultQuote,
                                QStringLiteral("A quote of some relevance to the map"));
    QuoteAuthorBox = MakeLineEdit(QStringLiteral("QuoteAuthorBox"), kDefaultAuthor,
                                  QStringLiteral("Who wrote the quote"));
    BackgroundStoryBox =
        MakeMemo(QStringLiteral("BackgroundStoryBox"), QStringLiteral("The plot!"));
    ResetToDefaults();

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Quote Text:"), QuoteTextBox);
    form->addRow(QStringLiteral("Quote Author:"), QuoteAuthorBox);
    content()->addWidget(explanation);
    content()->addLayout(form);
    content()->addWidget(new QLabel(QStringLiteral("Background Story:")));
    content()->addWidget(BackgroundStoryBox, 1);
}

void TThirdBox::ClosePrevious() {
    HidePrevious();
    ResetToDefaults();
}

void TThirdBox::ResetToDefaults() {
    QuoteTextBox->setText(kDefaultQuote);
    QuoteTextBox->setCursorPosition(0); // the quote is longer than the box: show its start
    QuoteAuthorBox->setText(kDefaultAuthor);
    BackgroundStoryBox->clear();
    BackgroundStoryBox->setPlainText(kDefaultStory);
}

void TThirdBox::StoreEntryBox() {
    EntryBox& entry = windows_.Mission().entryBox;
    entry.QuoteTextBox = ToAnsi(QuoteTextBox->text());
    entry.QuoteAuthorBox = ToAnsi(QuoteAuthorBox->text());
    entry.BackgroundStoryBox = MemoText(*BackgroundStoryBox);
}

void TThirdBox::GoToNext() {
    StoreEntryBox();
    windows_.OpenNext(*this);
}
