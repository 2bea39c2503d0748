#include "ui/wizard/ViewSourceBox.h"

#include "ui/platform/FileDialogs.h"
#include "ui/platform/QtText.h"

#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace vornask;

TViewSourceBox::TViewSourceBox()
    : TPageFrame(QStringLiteral("ViewSourceBox"), QStringLiteral("VORNASK Creator"),
                 QStringLiteral("View/Edit Source")),
      sourceBox_(new QPlainTextEdit(this)), saveDialog1_(this, [](QFileDialog& dialog) {
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

int TViewSourceBox::Edit(const std::vector<std::string>& lines, SaveLines save) {
    SetMemoLines(*sourceBox_, lines);
    save_ = std::move(save);
    return exec();
}

void TViewSourceBox::SaveIt() {
    if (save_)
        save_(MemoLines(*sourceBox_));
}
