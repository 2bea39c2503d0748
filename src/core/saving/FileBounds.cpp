#include "core/saving/FileBounds.h"

#include "core/campaign/CampaignReader.h"
#include "core/mission/MissionReader.h"

#include <algorithm>
#include <initializer_list>

namespace vornask {
namespace {

std::size_t LineCount(std::string_view text) {
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

std::optional<Refusal> MostLines(std::size_t lines) {
    if (lines <= kMaxTextLines)
        return std::nullopt;
    return Refusal{RefusalReason::TextTooLong, lines};
}

// The refusal of a reading, unless it only says that the section header is missing; else the
// refusal of the texts read.
template <class Reading> std::optional<Refusal> BoundsRefusalOf(const Reading& reading) {
    const std::optional<Refusal>& refusal = reading.report.refusal;
    if (!refusal)
        return TextBoundsRefusal(reading.settings);
    if (refusal->reason == RefusalReason::NoHeaderSection ||
        refusal->reason == RefusalReason::NoOverviewSection)
        return std::nullopt;
    return refusal;
}

} // namespace

std::optional<Refusal> TextBoundsRefusal(const MissionSettings& settings) {
    std::size_t most = LineCount(settings.entryBox.BackgroundStoryBox);
    for (const EventMessage* message : {&settings.events.Succeeded, &settings.events.Failed})
        most = std::max(most, LineCount(message->text));
    for (const auto& events : settings.events.opponent)
        for (const EventMessage& message : events)
            most = std::max(most, LineCount(message.text));
    return MostLines(most);
}

std::optional<Refusal> TextBoundsRefusal(const CampaignSettings& settings) {
    return MostLines(settings.CampaignText.size());
}

std::optional<Refusal> BoundsRefusalOfSaving(std::string_view bytes, FileKind kind) {
    if (kind == FileKind::CampaignGuide)
        return BoundsRefusalOf(ReadCampaignFile(bytes));
    return BoundsRefusalOf(ReadMissionFile(bytes));
}

} // namespace vornask
