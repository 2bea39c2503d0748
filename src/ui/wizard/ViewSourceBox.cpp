#include "ui/wizard/ViewSourceBox.h"

#include "ui/platform/DialogSaveUser.h"
#include "ui/platform/DiskFileStore.h"
#include "ui/platform/FileDialogs.h"
#include "ui/platform/QtText.h"
#include "ui/start/AppWindows.h"
#include "ui/start/FirstBox.h"
#include "ui/wizard/FifthBox.h"
#include "ui/wizard/FourthBox.h"
#include "ui/wizard/SecondBox.h"
#include "ui/wizard/SixthBox.h"
#include "ui/wizard/ThirdBox.h"

#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace vornask;

TViewSourceBox::TViewSourceBox(AppWindows& windows)
    : TPageFrame(QStringLiteral("ViewSourceBox"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("View/Edit Source")),
      windows_(windows), sourceBox_(new QPlainTextEdit(this)),
      saveDialog1_(this, [](QFileDialog& dialog) {
          dialog.setAcceptMode(QFileDialog::AcceptSave);
          SetUpFileDialog(dialog, QStringLiteral("SaveDialog1"),
                          QStringLiteral("Mission Files (*.english)|*.english"),
                          QStringLiteral("english"), QStringLiteral("*.english"));
      }) {
    okButton()->setCursor(Qt::PointingHandCursor);

    sourceBox_->setObjectName(QStringLiteral("SourceBox"));
    sourceBox_->setFixedSize(265, 201);
    // Long lines are shown wrapped; they stay one line each when saved.
    sourceBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    content()->addWidget(sourceBox_, 0, Qt::AlignHCenter);

    setTabOrder(sourceBox_, okButton());
}

void TViewSourceBox::ShowLines(const std::vector<std::string>& lines) {
    SetMemoLines(*sourceBox_, lines);
}

void TViewSourceBox::SaveIt() {
    windows_.SixthBox().MissionLines() = MemoLines(*sourceBox_);
    SaveMissionFile();
}

void TViewSourceBox::SaveMissionFile() {
    DialogSaveUser user(MessageParent(), SaveDialog1());
    DiskFileStore files;
    const SaveResult result =
        SaveLinesToFile(windows_.SixthBox().MissionLines(),
                        windows_.Mission().finish.DuplicateCheck, SaveSide::Mission, user, files);
    if (result.saved)
        CloseWizardPages();
}

QWidget* TViewSourceBox::MessageParent() {
    // Saving straight from the finish page happens while this view is hidden.
    return isVisible() ? static_cast<QWidget*>(this) : &windows_.SixthBox();
}

void TViewSourceBox::CloseWizardPages() {
    // They are hidden already and their modal loops end as the chain unwinds; closing them
    // makes sure none of them can come back after the file is saved.
    QWidget* const pages[] = {&windows_.FirstBox(), &windows_.SecondBox(), &windows_.ThirdBox(),
                              &windows_.FourthBox(), &windows_.FifthBox()};
    for (QWidget* page : pages)
        page->close();
}
