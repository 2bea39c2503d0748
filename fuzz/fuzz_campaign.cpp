// Random campaigns and paths: mission names never carry a folder or the extension, the
// guide file has one line per intro line and per mission around its fixed frame, and every
// value stands in its place.
#include "Check.h"
#include "LineCursor.h"
#include "core/campaign/CampaignWriter.h"
#include "core/campaign/MissionName.h"

#include <fuzzer/FuzzedDataProvider.h>

using namespace vornask;

namespace {

// A mission's line: its number, title and name, the flag its success sets, and when it opens.
std::string ExpectedMissionLine(const CampaignSettings& s, std::size_t k) {
    const CampaignMission& mission = s.missions[k];
    const std::string opens =
        s.Sequential && k > 0 ? "{Done" + s.missions[k - 1].name + "}" : std::string("1");
    return "$Checked=" + std::to_string(k + 1) + " " + mission.title + ",MissionBegin," +
           mission.name + ",{Done" + mission.name + "}," + opens;
}

void ExpectValuesInPlace(const CampaignSettings& s, const std::vector<std::string>& lines) {
    LineCursor at(lines);
    at.Next("title = \"" + s.title + "\"");
    at.Skip(3); // a blank line, [Overview], the background
    at.Next("<h2>" + s.CampaignHeader + "</h2>");
    at.Skip(); // <p>
    for (const std::string& line : s.CampaignText)
        at.Next(line);
    at.Skip();
    for (std::size_t k = 0; k < s.missions.size(); ++k)
        at.Next(ExpectedMissionLine(s, k));
    at.Skip(2); // a blank line, the Back button
    Check(at.AtEnd());
}

} // namespace

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
    ExpectValuesInPlace(s, lines);
    return 0;
}
