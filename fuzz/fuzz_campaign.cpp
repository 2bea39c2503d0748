// Random campaigns and paths: mission names never carry a folder or the extension, and the
// guide file has one line per intro line and per mission around its fixed frame.
#include "Check.h"
#include "core/campaign/CampaignWriter.h"
#include "core/campaign/MissionName.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace vornask;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    CampaignSettings s;
    s.title = data.ConsumeRandomLengthString(32);
    s.CampaignHeader = data.ConsumeRandomLengthString(32);
    s.Sequential = data.ConsumeBool();
    s.CampaignText.resize(data.ConsumeIntegralInRange<std::size_t>(0, 5));
    for (std::string& line : s.CampaignText)
        line = data.ConsumeRandomLengthString(32);
    const std::size_t missions = data.ConsumeIntegralInRange<std::size_t>(0, kMaxCampaignMissions);
    for (std::size_t k = 0; k < missions && data.remaining_bytes() > 0; ++k) {
        const std::string path = data.ConsumeRandomLengthString(48);
        const std::string name = GetMissionName(path, '/');
        Check(name.find_first_of("/\\") == std::string::npos);
        Check(name.find(".english") == std::string::npos);
        Check(path.find(name) != std::string::npos);
        s.missions.push_back({data.ConsumeRandomLengthString(16), name});
    }

    std::vector<std::string> lines;
    BuildCampaignLines(s, lines);
    Check(lines.size() == 6 + s.CampaignText.size() + 1 + s.missions.size() + 2);
    Check(lines.back() == "$Button=Back,Tell,Campaign");
    for (std::size_t k = 0; k < s.missions.size(); ++k) {
        const std::string& line = lines[6 + s.CampaignText.size() + 1 + k];
        Check(line.rfind("$Checked=" + std::to_string(k + 1) + " ", 0) == 0);
    }
    return 0;
}
