// Settings the pages and the campaign editor can produce, written, read back and written
// again: the bytes come back unchanged, or the reader lists the lines that would change (which
// only a text line that is exactly a section header may cause). Without such lines the
// settings themselves come back.
#include "Check.h"
#include "GeneratedSettings.h"
#include "core/campaign/CampaignReader.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionReader.h"
#include "core/mission/MissionWriter.h"
#include "core/text/TextLines.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace vornask;

namespace {

struct FuzzedChoices {
    FuzzedDataProvider& data;
    int Number(int low, int high) { return data.ConsumeIntegralInRange<int>(low, high); }
};

bool HoldsHeaderLine(const MissionSettings& s) {
    bool found = testing::HasHeaderLine(s.entryBox.BackgroundStoryBox) ||
                 testing::HasHeaderLine(s.events.Succeeded.text) ||
                 testing::HasHeaderLine(s.events.Failed.text);
    for (const auto& opponent : s.events.opponent)
        for (const EventMessage& message : opponent)
            found = found || testing::HasHeaderLine(message.text);
    return found;
}

void MissionComesBack(const MissionSettings& s) {
    MissionLines lines;
    BuildMissionLines(s, lines);
    const std::string bytes = JoinLinesCrLf(lines);
    const MissionFileReading read = ReadMissionFile(bytes);
    Check(!read.report.refusal);
    MissionLines again;
    BuildMissionLines(read.settings, again);
    const bool same = JoinLinesCrLf(again) == bytes;
    Check(same || !read.report.notKept.empty());
    if (HoldsHeaderLine(s))
        return;
    Check(same && read.report.notKept.empty());
    Check(read.settings == testing::AsReadBack(s));
}

void CampaignComesBack(const CampaignSettings& c) {
    std::vector<std::string> lines;
    BuildCampaignLines(c, lines);
    const CampaignFileReading read = ReadCampaignFile(JoinLinesCrLf(lines));
    Check(!read.report.refusal && read.report.notKept.empty());
    Check(read.settings == testing::AsReadBack(c));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    FuzzedChoices choices{data};
    testing::SettingsGenerator generate(choices, data.ConsumeBool());
    if (data.ConsumeBool())
        MissionComesBack(generate.Mission());
    else
        CampaignComesBack(generate.Campaign());
    return 0;
}
