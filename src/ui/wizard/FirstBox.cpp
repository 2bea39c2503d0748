#include "ui/wizard/FirstBox.h"

#include "ui/pages/PageControls.h"
#include "ui/pages/WindowOwner.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vornask {
namespace {

QLabel* Paragraph(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

QLabel* Address(const QString& text) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignHCenter);
    SetLabelColour(*label, Qt::blue);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

} // namespace vornask

// Global T-classes: Qt reports "TFirstBox", not "vornask::TFirstBox".
using namespace vornask;

TFirstBox::TFirstBox(WindowOwner& windows)
    : TPageFrame(QStringLiteral("FirstBox"), tr("VORNASK Creator"), tr("Welcome!")),
      windows_(windows) {
    content()->addWidget(Paragraph(tr(
        "Hello! This is a wizard-like program, designed to make the VORNASK making process quick "
        "and painless. All you have to do is fill in the boxes, when asked, with the details of "
        "your map and it will automatically be created.")));
    content()->addWidget(Paragraph(
        tr("This is only a beta version, so please check back every so often at the map makers' "
           "site for a newer one:")));
    content()->addWidget(Address(QStringLiteral("https://vornask-creator.example.org/")));
    content()->addWidget(Paragraph(tr("Or e-mail me with suggestions/comments at:")));
    content()->addWidget(Address(QStringLiteral("feedback@vornask-creator.example.org")));
    content()->addStretch();
}

void TFirstBox::NextBox() {
    ReturnFrom(windows_.OpenNext(*this));
}
