#include "core/campaign/CampaignCheck.h"

#include "core/campaign/CampaignFormat.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionFormat.h"
#include "core/mission/MissionReader.h"
#include "core/registry/WindowsNames.h"
#include "core/text/FileKind.h"
#include "core/text/Markup.h"
#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"

#include <algorithm>
#include <array>
#include <map>
#include <set>

namespace vornask {
namespace {

std::string Utf8OfWindows1252(std::string_view text) {
    std::string utf8;
    for (char16_t c : DecodeWindows1252(text))
        AppendUtf8(utf8, c);
    return utf8;
}

// Each byte of the code page as the byte of its upper case, where the code page has one.
const std::array<char, 256>& UpperCaseBytes() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> upper{};
        for (int byte = 0; byte < 256; ++byte) {
            const char c = static_cast<char>(byte);
            const char16_t decoded = DecodeWindows1252(std::string_view(&c, 1)).front();
            upper[byte] = Windows1252ByteOf(WindowsUpperCase(decoded)).value_or(c);
        }
        return upper;
    }();
    return table;
}

std::string UpperCased(std::string_view text) {
    const std::array<char, 256>& upper = UpperCaseBytes();
    std::string result(text.size(), '\0');
    std::transform(text.begin(), text.end(), result.begin(),
                   [&upper](char c) { return upper[static_cast<unsigned char>(c)]; });
    return result;
}

// The flags the commands of a mission file's text (upper-cased) set:
// "<$Config,flag=1>", several assignments apart by commas allowed.
std::set<std::string, std::less<>> FlagsSet(std::string_view upperText) {
    static const std::string command = UpperCased("<$Config,");
    std::set<std::string, std::less<>> flags;
    for (std::size_t at = upperText.find(command); at != std::string_view::npos;
         at = upperText.find(command, at + 1)) {
        const std::size_t begin = at + command.size();
        const std::size_t end = upperText.find('>', begin);
        if (end == std::string_view::npos)
            break;
        std::string_view assignments = upperText.substr(begin, end - begin);
        while (!assignments.empty()) {
            const std::size_t comma = std::min(assignments.find(','), assignments.size());
            const std::string_view assignment = assignments.substr(0, comma);
            const std::size_t equals = assignment.find('=');
            if (equals != std::string_view::npos && Trimmed(assignment.substr(equals + 1)) == "1")
                flags.emplace(Trimmed(assignment.substr(0, equals)));
            assignments.remove_prefix(std::min(comma + 1, assignments.size()));
        }
    }
    return flags;
}

// Whether a mission file that sets `flags` (upper-cased) sets `flag`, the condition another
// mission waits for ("{DoneIsland1}"), for mission `missionName`: the flag itself, or for
// "Done" + its name the line this program's files end their success with.
bool SetsFlag(const std::set<std::string, std::less<>>& flags, std::string_view flag,
              std::string_view missionName) {
    if (flag.starts_with('{') && flag.ends_with(kFlagEnd))
        flag = flag.substr(1, flag.size() - 1 - kFlagEnd.size());
    static const std::string ownFlag = *FlagsSet(UpperCased(kDoneConfigLine)).begin();
    const std::string upper = UpperCased(flag);
    return flags.contains(upper) ||
           (upper == UpperCased("Done" + std::string(missionName)) && flags.contains(ownFlag));
}

// How a mission file was found, kept per file: a campaign may name one file more than once.
struct FileState {
    std::optional<CampaignFindingKind> problem;
    std::string reason;
    std::optional<Refusal> refusal;
    std::set<std::string, std::less<>> flags; // upper-cased
};

FileState Examine(MissionFolder& folder, const std::string& file) {
    FileState state;
    const FolderFile read = folder.Read(file);
    if (!read.bytes) {
        state.problem = CampaignFindingKind::CannotRead;
        state.reason = read.reason;
        return state;
    }
    const MissionFileReading reading = ReadMissionFile(*read.bytes);
    state.refusal = reading.report.refusal;
    if (state.refusal) {
        state.problem = CampaignFindingKind::NotAMission;
        return state;
    }
    state.flags = FlagsSet(UpperCased(reading.document.text.Bytes()));
    return state;
}

// Who waits for whom: each mission's condition, the missions that wait for each condition,
// and the first mission that sets each flag.
struct Waiting {
    explicit Waiting(const CampaignSettings& campaign) : conditions(campaign.missions.size()) {
        for (std::size_t row = 0; row < campaign.missions.size(); ++row)
            if (campaign.missions[row].startsMission) {
                conditions[row] = MissionCondition(campaign, row);
                waitingFor[conditions[row]].push_back(row);
                firstSetting.emplace(MissionFlag(campaign.missions[row]), row);
            }
    }
    // The first mission after `row` that waits for `flag`.
    std::optional<std::size_t> After(std::size_t row, const std::string& flag) const {
        const auto waiting = waitingFor.find(flag);
        if (waiting == waitingFor.end())
            return std::nullopt;
        const auto next = std::upper_bound(waiting->second.begin(), waiting->second.end(), row);
        return next == waiting->second.end() ? std::nullopt : std::optional(*next);
    }
    std::vector<std::string> conditions; // empty for rows that start no mission
    std::map<std::string, std::vector<std::size_t>> waitingFor;
    std::map<std::string, std::size_t> firstSetting;
};

} // namespace

FolderIndex::FolderIndex(const std::vector<std::string>& names) {
    byKey_.reserve(names.size());
    for (const std::string& name : names)
        byKey_.emplace_back(WindowsNameKey(name), name);
    std::sort(byKey_.begin(), byKey_.end());
}

std::optional<std::string> FolderIndex::MissionFile(std::string_view missionName) const {
    const std::string wanted = Utf8OfWindows1252(missionName) + std::string(kMissionFileExtension);
    const std::u32string key = WindowsNameKey(wanted);
    const auto first =
        std::lower_bound(byKey_.begin(), byKey_.end(), std::pair(key, std::string()));
    auto last = first;
    while (last != byKey_.end() && last->first == key) {
        if (last->second == wanted)
            return wanted;
        ++last;
    }
    if (first == last)
        return std::nullopt;
    return first->second;
}

std::vector<CampaignFinding> CheckCampaign(const CampaignSettings& campaign,
                                           MissionFolder& folder) {
    const FolderIndex index(folder.Names());
    const Waiting waiting(campaign);
    std::map<std::string, FileState> examined;
    std::vector<CampaignFinding> findings;
    for (std::size_t row = 0; row < campaign.missions.size(); ++row) {
        const CampaignMission& mission = campaign.missions[row];
        if (!mission.startsMission)
            continue;
        const std::string& name = mission.name;
        const std::optional<std::string> file = index.MissionFile(name);
        const std::string fileName =
            file ? *file : Utf8OfWindows1252(name) + std::string(kMissionFileExtension);
        if (const auto setting = waiting.firstSetting.find(waiting.conditions[row]);
            setting != waiting.firstSetting.end() && setting->second > row)
            findings.push_back(
                {CampaignFindingKind::WaitsForLater, row, fileName, {}, {}, setting->second});
        if (!file) {
            findings.push_back({CampaignFindingKind::MissingFile, row, fileName});
            continue;
        }
        auto known = examined.find(*file);
        if (known == examined.end())
            known = examined.emplace(*file, Examine(folder, *file)).first;
        const FileState& state = known->second;
        if (state.problem) {
            findings.push_back({*state.problem, row, *file, state.reason, state.refusal});
            continue;
        }
        const std::string flag = MissionFlag(mission);
        const std::optional<std::size_t> next = waiting.After(row, flag);
        if (next && !SetsFlag(state.flags, flag, name))
            findings.push_back({CampaignFindingKind::NeverDone, row, *file, {}, {}, *next});
    }
    return findings;
}

} // namespace vornask
