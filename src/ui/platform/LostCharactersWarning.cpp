#include "ui/platform/LostCharactersWarning.h"

#include "core/mission/EventSlots.h"
#include "core/text/LostCharacters.h"
#include "ui/platform/QtText.h"
#include "ui/platform/Texts.h"

#include <QMessageBox>

namespace vornask {
namespace {

// An opponent's event names its opponent as the AI chooser does.
QString EventName(const FieldRef& where) {
    const QString event = QString::fromLatin1(EventChoiceName(where.item));
    return where.side == 0 ? event : Texts::tr("%1 for ai%2").arg(event).arg(where.side);
}

// The field as its window captions it, as the subject of a sentence.
QString FieldName(const FieldRef& where) {
    switch (where.field) {
    case TextField::Title:
    case TextField::CampaignTitle:
        return Texts::tr("The title");
    case TextField::Quote:
        return Texts::tr("The quote");
    case TextField::QuoteAuthor:
        return Texts::tr("The quote's author");
    case TextField::Story:
        return Texts::tr("The story");
    case TextField::OpponentName:
        return Texts::tr("AI%1's name").arg(where.side);
    case TextField::EventHeading:
        return Texts::tr("The heading of %1").arg(EventName(where));
    case TextField::EventText:
        return Texts::tr("The text of %1").arg(EventName(where));
    case TextField::NextMission:
        return Texts::tr("The next mission");
    case TextField::CampaignHeader:
        return Texts::tr("The header");
    case TextField::CampaignText:
        return Texts::tr("The text");
    case TextField::MissionTitle:
        return Texts::tr("The title of mission %1").arg(where.item + 1);
    case TextField::MissionFile:
        return Texts::tr("The file name of mission %1").arg(where.item + 1);
    case TextField::Source:
        return Texts::tr("The source");
    }
    return {};
}

QString WarningText(const LostCharacters& lost) {
    QStringList lines;
    for (const LostNotice& notice : lost.Notices())
        lines << Texts::tr("%1 holds characters that NetStorm cannot show: %2. They will be "
                           "saved as \"?\".")
                     .arg(FieldName(notice.where),
                          QString::fromUcs4(notice.shown.data(),
                                            static_cast<qsizetype>(notice.shown.size())));
    return lines.join(QStringLiteral("\n\n"));
}

} // namespace

bool GoOnDespiteLostCharacters(QWidget* parent, const LostCharacters& lost) {
    if (lost.empty())
        return true;
    QMessageBox box(QMessageBox::Warning, Texts::tr("VORNASK Creator"), WarningText(lost),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok;
}

bool GoOnDespiteLostCharacters(QWidget* parent, const QPlainTextEdit& source) {
    LostCharacters lost;
    RecordMemo(source, lost, {TextField::Source});
    return GoOnDespiteLostCharacters(parent, lost);
}

} // namespace vornask
