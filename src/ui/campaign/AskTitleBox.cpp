#include "ui/campaign/AskTitleBox.h"

#include "core/mission/MissionSettings.h"
#include "ui/controls/SingleLine.h"
#include "ui/pages/PageFrame.h"
#include "ui/platform/QtText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

// Global T-classes: Qt reports "TAskTitleBox", not "vornask::TAskTitleBox".
using namespace vornask;

TAskTitleBox::TAskTitleBox() {
    SetUpDialog(*this, QStringLiteral("AskTitleBox"), tr("What's the Title?"), OnEscape::Close);

    auto* label = new QLabel(tr("Please enter the title of the map below:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    mapTitleBox_ = new QLineEdit(FromAnsi(GeneralDetails{}.title), this);
    mapTitleBox_->setObjectName(QStringLiteral("MapTitleBox"));
    KeepOnOneLine(*mapTitleBox_);
    QPushButton* ok = MakeOkButton(this);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(mapTitleBox_);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    // 202 by 87, or larger where this desktop's fonts need more room for the prompt.
    setFixedSize(sizeHint().expandedTo(QSize(202, 87)));
}
