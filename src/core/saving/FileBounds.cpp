#include "core/saving/FileBounds.h"

#include "core/campaign/CampaignReader.h"
#include "core/mission/MissionReader.h"

namespace vornask {
namespace {

// The refusal of a reading, unless it only says that the section header is missing.
template <class Reading> std::optional<Refusal> BoundsRefusalOf(const Reading& reading) {
    const std::optional<Refusal>& refusal = reading.report.refusal;
    if (refusal && (refusal->reason == RefusalReason::NoHeaderSection ||
                    refusal->reason == RefusalReason::NoOverviewSection))
        return std::nullopt;
    return refusal;
}

} // namespace

std::optional<Refusal> BoundsRefusalOfSaving(std::string_view bytes, FileKind kind) {
    if (kind == FileKind::CampaignGuide)
        return BoundsRefusalOf(ReadCampaignFile(bytes));
    return BoundsRefusalOf(ReadMissionFile(bytes));
}

} // namespace vornask
