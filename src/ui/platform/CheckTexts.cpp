#include "ui/platform/CheckTexts.h"

#include "core/check/GameVocabulary.h"
#include "ui/platform/FileOpening.h"
#include "ui/platform/QtText.h"
#include "ui/platform/Texts.h"

namespace vornask {
namespace {

QString Colours() {
    QStringList colours;
    for (std::string_view colour : kOpponentColourNames)
        colours << QString::fromLatin1(colour.data(), static_cast<qsizetype>(colour.size()));
    return colours.join(QStringLiteral(", "));
}

QString CampaignFindingText(const CampaignFinding& found, std::size_t waitingLine) {
    const QString file = QString::fromStdString(found.file);
    switch (found.kind) {
    case CampaignFindingKind::MissingFile:
        return Texts::tr("the mission file %1 is neither beside the guide nor in the game's D "
                         "folder.")
            .arg(file);
    case CampaignFindingKind::CannotRead:
        return Texts::tr("the mission file %1 cannot be read: %2")
            .arg(file, QString::fromStdString(found.reason));
    case CampaignFindingKind::NotAMission:
        return Texts::tr("the mission file %1 cannot be read as a mission: %2")
            .arg(file, RefusalText(*found.refusal));
    case CampaignFindingKind::NeverDone:
        return Texts::tr("the mission file %1 never marks itself done, so the mission on line %2 "
                         "would never open.")
            .arg(file, QString::number(waitingLine));
    case CampaignFindingKind::WaitsForLater:
        return Texts::tr("this mission waits for the mission on line %1, which comes after it, so "
                         "it would never open.")
            .arg(waitingLine);
    }
    return {};
}

} // namespace

QString FindingText(const Finding& f) {
    const QString subject = FromAnsi(f.subject);
    const QString key = FromAnsi(f.key);
    const QString hint = FromAnsi(f.hint);
    switch (f.kind) {
    case FindingKind::KeyTwice:
        return Texts::tr("%1 is given a second time; the game uses the value on line %2.")
            .arg(subject, QString::number(f.number));
    case FindingKind::UnknownKnowledge:
        return Texts::tr("%1 in %2 is no knowledge the game knows, so it grants nothing (did you "
                         "mean %3?).")
            .arg(subject, key, hint);
    case FindingKind::UnknownAlly:
        return Texts::tr("%1 in %2 is no side; allies are the sides 1 to 8.").arg(subject, key);
    case FindingKind::UnknownColour:
        return Texts::tr("the game ignores the colour \"%1\" of %2; it knows %3.")
            .arg(subject, key, Colours());
    case FindingKind::OpponentOutOfRange:
        return Texts::tr("%1 is no opponent's key: the opponents are ai2 to ai8.").arg(subject);
    case FindingKind::UnknownCommand:
        return Texts::tr("the game knows no command %1 (did you mean %2?).").arg(subject, hint);
    case FindingKind::NoCommand:
        return Texts::tr("this %1 names no command.").arg(subject);
    case FindingKind::TellOfMissingSection:
        return Texts::tr("Tell shows the section [%1], which the file does not have.").arg(subject);
    case FindingKind::SectionNotShown:
        return Texts::tr("nothing shows the section %1: no Tell, $Menu or $Timeout names it.")
            .arg(subject);
    case FindingKind::ConditionNotClosed:
        return Texts::tr("a condition <?... is never closed with \">\" on its line.");
    case FindingKind::ConditionTooLong:
        return Texts::tr("a condition <?...> of %1 characters; the game reads at most %2.")
            .arg(QString::number(f.number), QString::number(kMaxConditionLength));
    case FindingKind::MissionFileMissing:
        if (f.subject.empty())
            return Texts::tr("MissionBegin names no mission file.");
        return Texts::tr("the mission file %1 is neither beside this file nor in the game's D "
                         "folder.")
            .arg(subject + QLatin1String(kMissionFileExtension));
    case FindingKind::TextLineStartsSection:
        return Texts::tr("this line starts with \"[\", so the game reads it as the start of a new "
                         "section and the text before it ends there.");
    case FindingKind::CampaignMission:
        return CampaignFindingText(*f.campaign, f.number);
    }
    return {};
}

QStringList FindingLines(const FileCheck& check) {
    QStringList lines;
    for (const Finding& finding : check.findings)
        lines << Texts::tr("Line %1: %2").arg(QString::number(finding.line), FindingText(finding));
    for (const MissionFileFindings& file : check.missionFiles)
        for (const Finding& finding : file.findings)
            lines << Texts::tr("%1, line %2: %3")
                         .arg(QString::fromStdString(file.file), QString::number(finding.line),
                              FindingText(finding));
    return lines;
}

} // namespace vornask
