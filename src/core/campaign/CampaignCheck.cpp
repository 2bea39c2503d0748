#include "core/campaign/CampaignCheck.h"

#include "core/campaign/CampaignFormat.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/MissionFormat.h"
#include "core/mission/MissionReader.h"
#include "core/registry/WindowsNames.h"
#include "core/text/FileKind.h"
#include "core/text/Utf8.h"
#include "core/text/Windows1252.h"

#include <algorithm>
#include <array>
#include <map>

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

// Whether the mission file's text, upper-cased, marks mission `missionName` done: it holds the
// line the program's own files end their success with, or "Done" followed by the name.
bool MarksItselfDoneUpper(std::string_view upperText, std::string_view missionName) {
    constexpr std::string_view kDone = "Done";
    static const std::string doneConfigLine = UpperCased(kDoneConfigLine);
    return upperText.find(doneConfigLine) != std::string_view::npos ||
           upperText.find(UpperCased(std::string(kDone).append(missionName))) !=
               std::string_view::npos;
}

// The first mission after `index` that opens only when mission `index` is done.
std::optional<std::size_t> WaitingMission(const CampaignSettings& campaign, std::size_t index) {
    const std::string flag = CompletionFlag(campaign.missions[index].name);
    for (std::size_t next = index + 1; next < campaign.missions.size(); ++next)
        if (MissionCondition(campaign, next) == flag)
            return next;
    return std::nullopt;
}

// How a mission file was found, kept per file: a campaign may name one file more than once.
struct FileState {
    std::optional<CampaignFindingKind> problem;
    std::string reason;
    std::optional<Refusal> refusal;
    std::string upperText; // the file's text upper-cased, to look for done lines in
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
    state.upperText = UpperCased(reading.document.text.Bytes());
    return state;
}

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
    std::map<std::string, FileState> examined;
    std::vector<CampaignFinding> findings;
    for (std::size_t mission = 0; mission < campaign.missions.size(); ++mission) {
        const std::string& name = campaign.missions[mission].name;
        const std::optional<std::string> file = index.MissionFile(name);
        if (!file) {
            findings.push_back({CampaignFindingKind::MissingFile, mission,
                                Utf8OfWindows1252(name) + std::string(kMissionFileExtension)});
            continue;
        }
        auto known = examined.find(*file);
        if (known == examined.end())
            known = examined.emplace(*file, Examine(folder, *file)).first;
        const FileState& state = known->second;
        if (state.problem) {
            findings.push_back({*state.problem, mission, *file, state.reason, state.refusal});
            continue;
        }
        const std::optional<std::size_t> next = WaitingMission(campaign, mission);
        if (next && !MarksItselfDoneUpper(state.upperText, name))
            findings.push_back({CampaignFindingKind::NeverDone, mission, *file, {}, {}, *next});
    }
    return findings;
}

} // namespace vornask
