#include "ui/campaign/ViewCampaignSource.h"

#include "core/text/TextLines.h"
#include "ui/pages/PageControls.h"
#include "ui/platform/FileOpening.h"
#include "ui/platform/LostCharactersWarning.h"
#include "ui/platform/QtText.h"
#include "ui/preview/PreviewOpening.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

// Global T-classes: Qt reports "TViewCampaignSource", not "vornask::TViewCampaignSource".
using namespace vornask;

TViewCampaignSource::TViewCampaignSource(WindowOwner& windows)
    : TPageFrame(QStringLiteral("ViewCampaignSource"), tr("VORNASK Creator"),
                 tr("View/Edit Source")) {
    // Left open by itself, this window does not keep the program running once the start
    // window closes: Quit ends the program at once.
    setAttribute(Qt::WA_QuitOnClose, false);

    sourceBox_ = MakeTextBox(QStringLiteral("SourceBox"), kMaxReadableFileLines);
    sourceBox_->setMinimumSize(265, 201);
    sourceBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    content()->addWidget(sourceBox_);
    AddPreviewButton(windows);
    LetGrow();

    // This window runs no modal loop of its own, and it must stay open when the save fails:
    // its "OK" closes it only as SaveIt decides.
    disconnect(okButton(), &QPushButton::clicked, this, nullptr);
    connect(okButton(), &QPushButton::clicked, this, &TViewCampaignSource::SaveIt);
}

void TViewCampaignSource::Edit(const std::vector<std::string>& lines, SaveLines save) {
    SetMemoLines(*sourceBox_, lines);
    sourceBox_->document()->setModified(false);
    save_ = std::move(save);
    show();
    raise();
    activateWindow();
}

bool TViewCampaignSource::Edited() const {
    return sourceBox_->document()->isModified();
}

void TViewCampaignSource::SaveIt() {
    if (!GoOnDespiteLostCharacters(this, *sourceBox_))
        return; // back to the text
    // A file the program could not open again is not saved; the text stays here to be mended.
    const std::vector<std::string> lines = MemoLines(*sourceBox_);
    if (!AcceptSaving(this, JoinLinesCrLf(lines), FileKind::CampaignGuide))
        return;
    const SaveResult result = save_ ? save_(lines) : SaveResult{};
    // Given up after a failed write: the text stays here so "OK" can be pressed again.
    if (result.writeFailed && !result.saved)
        return;
    hide(); // not a close: that would ask about dropping what was just saved
}

void TViewCampaignSource::AddPreviewButton(WindowOwner& windows) {
    QPushButton* button = MakePreviewButton(
        *this, windows, [this] { return SourcePreview(*sourceBox_, {}); }, {sourceBox_});
    content()->addLayout(PreviewRow(button));
}
