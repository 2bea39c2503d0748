#include "core/preview/PreviewSections.h"

#include "core/campaign/CampaignReader.h"
#include "core/mission/MissionReader.h"
#include "core/text/Markup.h"

namespace vornask {
namespace {

std::vector<std::string> BodyOf(const TextDocument& text, const Section& section) {
    std::vector<std::string> body;
    body.reserve(section.end - section.BodyBegin());
    for (std::size_t line = section.BodyBegin(); line < section.end; ++line)
        body.push_back(text.Line(line));
    return body;
}

std::optional<std::size_t> SectionRead(const MissionDocument& document, WrittenSection section,
                                       int side, int kind) {
    switch (section) {
    case WrittenSection::EntryBox:
        return document.entryBox.section;
    case WrittenSection::Succeeded:
        return document.succeeded.section;
    case WrittenSection::Event:
        return document.event(side, kind).section;
    case WrittenSection::Failed:
        return document.failed.section;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<std::string>>
MissionSectionToDraw(std::string_view bytes, WrittenSection section, int side, int kind) {
    const MissionFileReading reading = ReadMissionFile(bytes);
    if (reading.report.refusal)
        return std::nullopt;
    const MissionDocument& document = reading.document;
    const std::optional<std::size_t> found = SectionRead(document, section, side, kind);
    if (!found)
        return std::nullopt;
    return BodyOf(document.text, document.sections[*found]);
}

std::optional<std::vector<std::string>> GuideOverviewToDraw(std::string_view bytes) {
    const CampaignFileReading reading = ReadCampaignFile(bytes);
    if (reading.report.refusal || !reading.document.overview)
        return std::nullopt;
    return BodyOf(reading.document.text, *reading.document.overview);
}

std::optional<std::vector<std::string>> SectionToDrawAt(const std::vector<std::string>& lines,
                                                        std::size_t line) {
    const std::vector<std::string_view> views(lines.begin(), lines.end());
    for (const Section& section : SplitSections(views))
        if (line >= section.header && line < section.end)
            return std::vector<std::string>(lines.begin() + static_cast<long>(section.BodyBegin()),
                                            lines.begin() + static_cast<long>(section.end));
    return std::nullopt;
}

} // namespace vornask
