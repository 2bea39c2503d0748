#include "ui/wizard/ViewSourceBox.h"

#include "core/text/TextLines.h"
#include "ui/pages/PageControls.h"
#include "ui/platform/FileOpening.h"
#include "ui/platform/LostCharactersWarning.h"
#include "ui/platform/QtText.h"
#include "ui/preview/PreviewOpening.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

// Global T-classes: Qt reports "TViewSourceBox", not "vornask::TViewSourceBox".
using namespace vornask;

TViewSourceBox::TViewSourceBox(WindowOwner& windows)
    : TPageFrame(QStringLiteral("ViewSourceBox"), tr("VORNASK Creator"), tr("View/Edit Source")),
      windows_(windows),
      sourceBox_(MakeTextBox(QStringLiteral("SourceBox"), kMaxReadableFileLines)),
      saveDialog1_(this, MissionFilesDialog(FileDialogKind::Save, QStringLiteral("SaveDialog1"))) {
    okButton()->setCursor(Qt::PointingHandCursor);

    sourceBox_->setMinimumSize(265, 201);
    // Long lines are shown wrapped; they stay one line each when saved.
    sourceBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    content()->addWidget(sourceBox_);
    QPushButton* preview = AddPreviewButton();
    LetGrow();

    setTabOrder(sourceBox_, preview);
    setTabOrder(preview, okButton());
}

QPushButton* TViewSourceBox::AddPreviewButton() {
    QPushButton* button = MakePreviewButton(
        *this, windows_, [this] { return SourcePreview(*sourceBox_, MissionFileName(windows_)); },
        {sourceBox_});
    content()->addLayout(PreviewRow(button));
    return button;
}

int TViewSourceBox::Edit(const std::vector<std::string>& lines, SaveLines save) {
    SetMemoLines(*sourceBox_, lines);
    sourceBox_->document()->setModified(false);
    save_ = std::move(save);
    return exec();
}

bool TViewSourceBox::Edited() const {
    return sourceBox_->document()->isModified();
}

// Characters typed here that the game's text cannot hold are named first; "Cancel" goes back
// to the text.
void TViewSourceBox::SaveIt() {
    if (!GoOnDespiteLostCharacters(this, *sourceBox_)) {
        KeepOpenAfterOk();
        return;
    }
    // A file the program could not open again is not saved; the text stays here to be mended.
    const std::vector<std::string> lines = MemoLines(*sourceBox_);
    if (!AcceptSaving(this, JoinLinesCrLf(lines), FileKind::Mission)) {
        KeepOpenAfterOk();
        return;
    }
    const SaveResult result = save_ ? save_(lines) : SaveResult{};
    // Given up after a failed write: the text stays here so "OK" can be pressed again.
    if (result.writeFailed && !result.saved)
        KeepOpenAfterOk();
}
