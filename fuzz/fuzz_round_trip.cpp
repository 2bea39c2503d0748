// Settings the pages and the campaign editor can produce, written, read and saved again
// unchanged: the bytes come back. When their texts hold only what reads back as text, the
// settings themselves come back too.
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

void MissionComesBack(const MissionSettings& s, bool asTyped) {
    MissionLines lines;
    BuildMissionLines(s, lines);
    const std::string bytes = JoinLinesCrLf(lines);
    const MissionFileReading read = ReadMissionFile(bytes);
    Check(!read.report.refusal && read.report.notKept.empty());
    Check(SaveIntoDocument(read.document, read.settings).Bytes() == bytes);
    if (asTyped)
        Check(read.settings == testing::AsReadBack(s));
}

void CampaignComesBack(const CampaignSettings& c, bool asTyped) {
    std::vector<std::string> lines;
    BuildCampaignLines(c, lines);
    const std::string bytes = JoinLinesCrLf(lines);
    const CampaignFileReading read = ReadCampaignFile(bytes);
    Check(!read.report.refusal && read.report.notKept.empty());
    Check(SaveIntoDocument(read.document, read.settings).Bytes() == bytes);
    if (asTyped)
        Check(read.settings == testing::AsReadBack(c));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    FuzzedChoices choices{data};
    const bool asTyped = data.ConsumeBool();
    testing::SettingsGenerator generate(choices, asTyped ? testing::GeneratedTexts::AsTyped
                                                         : testing::GeneratedTexts::Anything);
    if (data.ConsumeBool())
        MissionComesBack(generate.Mission(), asTyped);
    else
        CampaignComesBack(generate.Campaign(), asTyped);
    return 0;
}
