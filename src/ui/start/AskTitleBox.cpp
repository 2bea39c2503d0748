#include "ui/start/AskTitleBox.h"

#include "ui/controls/SingleLine.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace vornask;

TAskTitleBox::TAskTitleBox() {
    setObjectName(QStringLiteral("AskTitleBox"));
    setWindowTitle(QStringLiteral("What's the Title?"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* label = new QLabel(QStringLiteral("Please enter the title of the map below:"), this);
    label->setObjectName(QStringLiteral("Label1"));
    mapTitleBox_ = new QLineEdit(QStringLiteral("My Map"), this);
    mapTitleBox_->setObjectName(QStringLiteral("MapTitleBox"));
    KeepOnOneLine(*mapTitleBox_);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setFixedSize(75, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(mapTitleBox_);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    // 202 by 87, or larger where this desktop's fonts need more room for the prompt.
    setFixedSize(sizeHint().expandedTo(QSize(202, 87)));
}
