#include "core/check/FileCheck.h"

#include "core/campaign/CampaignReader.h"
#include "core/check/CommandLines.h"
#include "core/check/GameVocabulary.h"
#include "core/mission/HeaderKeys.h"
#include "core/mission/MissionFormat.h"
#include "core/mission/TechAllyEncoding.h"
#include "core/text/Markup.h"

#include <algorithm>
#include <map>
#include <set>

namespace vornask {
namespace {

using Lines = std::vector<std::string_view>;

constexpr std::string_view kConditionStart = "<?";
constexpr char kConditionEnd = '>';

// The folder beside the file, then the game's, as one: where the game finds a mission file.
// Each is listed once, the game's only when it is asked for.
class BesideThenGame final : public MissionFolder {
public:
    explicit BesideThenGame(const CheckFolders& folders) : folders_(folders) {}

    std::vector<std::string> Names() override {
        std::vector<std::string> names = BesideNames();
        if (folders_.game)
            names.insert(names.end(), GameNames().begin(), GameNames().end());
        return names;
    }

    FolderFile Read(const std::string& name) override {
        return InGameFolder(name) ? folders_.game->Read(name) : folders_.beside.Read(name);
    }

    bool InGameFolder(const std::string& name) {
        BesideNames();
        return folders_.game && !besideSet_.contains(name);
    }

    // The file of mission `missionName` (as a file names it): beside, else in the game's folder.
    std::optional<std::string> MissionFile(std::string_view missionName) {
        if (!besideIndex_)
            besideIndex_.emplace(BesideNames());
        if (std::optional<std::string> file = besideIndex_->MissionFile(missionName))
            return file;
        if (!folders_.game)
            return std::nullopt;
        if (!gameIndex_)
            gameIndex_.emplace(GameNames());
        return gameIndex_->MissionFile(missionName);
    }

private:
    const std::vector<std::string>& BesideNames() {
        if (!besideNames_) {
            besideNames_ = folders_.beside.Names();
            besideSet_.insert(besideNames_->begin(), besideNames_->end());
        }
        return *besideNames_;
    }

    const std::vector<std::string>& GameNames() {
        if (!gameNames_)
            gameNames_ = folders_.game->Names();
        return *gameNames_;
    }

    const CheckFolders& folders_;
    std::optional<std::vector<std::string>> besideNames_;
    std::set<std::string> besideSet_;
    std::optional<std::vector<std::string>> gameNames_;
    std::optional<FolderIndex> besideIndex_;
    std::optional<FolderIndex> gameIndex_;
};

void InLineOrder(std::vector<Finding>& findings) {
    std::stable_sort(findings.begin(), findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
}

// "ai9Name", "ai1Tech": "ai" and a side's number that no opponent has.
bool IsOpponentKeyOutOfRange(std::string_view key) {
    if (!StartsWithNoCase(key, "ai"))
        return false;
    const std::string_view rest = key.substr(2);
    const std::size_t digits = std::min(rest.find_first_not_of("0123456789"), rest.size());
    if (digits == 0)
        return false;
    const std::string_view number = rest.substr(0, digits);
    return number.size() > 1 || number[0] - '0' < kFirstOpponent || number[0] - '0' > kLastOpponent;
}

const std::vector<std::string_view>& KnowledgeItemNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const TechItem& item : TechItemTable) {
            const std::string_view emitted = item.emitted;
            all.push_back(emitted.substr(0, emitted.size() - 1)); // without its semicolon
        }
        return all;
    }();
    return names;
}

bool IsKnowledgeItem(std::string_view entry) {
    const std::vector<std::string_view>& names = KnowledgeItemNames();
    return EqualsNoCase(entry, "all") ||
           std::any_of(names.begin(), names.end(),
                       [entry](std::string_view name) { return EqualsNoCase(name, entry); });
}

// The item an unknown entry most likely means: the one it is an older name of, else the nearest.
std::string MeantKnowledgeItem(std::string_view entry) {
    for (std::size_t item = 0; item < TechItemTable.size(); ++item)
        if (TechItemTable[item].alsoRead && EqualsNoCase(entry, TechItemTable[item].alsoRead))
            return std::string(KnowledgeItemNames()[item]);
    return *NearestWord(entry, KnowledgeItemNames());
}

bool IsAllySide(std::string_view entry) {
    return entry.size() == 1 && entry[0] >= '1' && entry[0] <= '0' + kLastOpponent;
}

class MissionChecker {
public:
    MissionChecker(const Lines& lines, BesideThenGame& folder) : lines_(lines), folder_(folder) {}

    // False when the file has no header section, and so is no mission file.
    bool Check(std::vector<Finding>& findings) {
        sections_ = SplitSections(lines_);
        const std::optional<std::size_t> header =
            FindSection(sections_, lines_, {SectionName(kHeaderHeader)});
        if (!header)
            return false;
        const auto end = std::find_if(sections_.begin(), sections_.end(), [](const Section& s) {
            return s.Named(SectionName(kEndHeader));
        });
        readEnd_ = end == sections_.end() ? lines_.size() : end->header;
        CheckHeader(sections_[*header]);
        for (std::size_t s = 0; s < sections_.size(); ++s)
            if (s != *header)
                CheckBody(sections_[s]);
        CheckStartsOfSections();
        CheckSectionsShown();
        CheckTells();
        CheckMissionFiles();
        InLineOrder(findings_);
        findings = std::move(findings_);
        return true;
    }

private:
    void Add(Finding finding) { findings_.push_back(std::move(finding)); }

    void CheckHeader(const Section& header) {
        std::map<std::string, std::size_t> firstLine; // by key in lower case
        for (std::size_t i = header.BodyBegin(); i < std::min(header.end, readEnd_); ++i) {
            const std::optional<KeyLine> keyLine = ParseKeyLine(lines_[i]);
            if (!keyLine)
                continue;
            const std::string_view key = keyLine->Key(lines_[i]);
            const auto [first, isFirst] = firstLine.emplace(LowerCase(key), i);
            if (!isFirst)
                Add({FindingKind::KeyTwice, i + 1, std::string(key), {}, {}, first->second + 1});
            else if (IsOpponentKeyOutOfRange(key))
                Add({FindingKind::OpponentOutOfRange, i + 1, std::string(key)});
            else
                CheckValue(i, key, keyLine->Value(lines_[i]));
        }
    }

    void CheckValue(std::size_t i, std::string_view key, std::string_view value) {
        const std::optional<std::size_t> known = FindHeaderKey(key);
        if (!known)
            return;
        switch (HeaderKeys()[*known].kind) {
        case KeyValueKind::Tech:
            for (std::string_view entry : ListEntries(value))
                if (!IsKnowledgeItem(entry))
                    Add({FindingKind::UnknownKnowledge, i + 1, std::string(entry), std::string(key),
                         MeantKnowledgeItem(entry)});
            break;
        case KeyValueKind::Allies:
            for (std::string_view entry : ListEntries(value))
                if (!IsAllySide(entry))
                    Add({FindingKind::UnknownAlly, i + 1, std::string(entry), std::string(key)});
            break;
        case KeyValueKind::Colour:
            if (!IsOpponentColour(Trimmed(value)))
                Add({FindingKind::UnknownColour, i + 1, std::string(value), std::string(key)});
            break;
        default:
            break;
        }
    }

    // The lines of a section other than the header: their commands and conditions.
    void CheckBody(const Section& section) {
        for (std::size_t i = section.BodyBegin(); i < std::min(section.end, readEnd_); ++i) {
            CheckConditions(i);
            const std::optional<CommandUse> use = ReadCommand(lines_[i], i, findings_);
            if (!use || !use->action)
                continue;
            if (EqualsNoCase(*use->action, kTellAction))
                tells_.push_back({i, Trimmed(use->argument)});
            else if (EqualsNoCase(*use->action, kMissionBeginAction))
                missionBegins_.push_back({i, use->argument});
        }
    }

    void CheckConditions(std::size_t i) {
        const std::string_view line = lines_[i];
        for (std::size_t start = line.find(kConditionStart); start != std::string_view::npos;) {
            const std::size_t end = line.find(kConditionEnd, start + kConditionStart.size());
            if (end == std::string_view::npos) {
                Add({FindingKind::ConditionNotClosed, i + 1});
                return;
            }
            const std::size_t length = end - start + 1;
            if (length > kMaxConditionLength)
                Add({FindingKind::ConditionTooLong, i + 1, {}, {}, {}, length});
            start = line.find(kConditionStart, end + 1);
        }
    }

    // The game starts a section at any line whose first character is "[": such a line that is
    // no header cuts the text it stands in.
    void CheckStartsOfSections() {
        for (std::size_t i = 0; i < readEnd_; ++i)
            if (lines_[i].starts_with('[') && !SectionNames(lines_[i]))
                Add({FindingKind::TextLineStartsSection, i + 1});
    }

    bool IsTold(std::string_view name) const {
        return std::any_of(tells_.begin(), tells_.end(),
                           [name](const Named& tell) { return EqualsNoCase(tell.name, name); });
    }

    // Sections after the end are not read; the end itself the game opens.
    void CheckSectionsShown() {
        for (const Section& section : sections_) {
            if (section.header >= readEnd_)
                break;
            const bool shown = std::any_of(section.names.begin(), section.names.end(),
                                           [this](const std::string& name) {
                                               return IsOpenedByTheGame(name) || IsTold(name);
                                           });
            if (!shown)
                Add({FindingKind::SectionNotShown, section.header + 1,
                     std::string(Trimmed(lines_[section.header]))});
        }
    }

    void CheckTells() {
        for (const Named& tell : tells_) {
            const bool found =
                IsSharedSection(tell.name) ||
                std::any_of(sections_.begin(), sections_.end(),
                            [&tell](const Section& s) { return s.Named(tell.name); });
            if (!found)
                Add({FindingKind::TellOfMissingSection, tell.line + 1, std::string(tell.name)});
        }
    }

    void CheckMissionFiles() {
        for (const Named& begin : missionBegins_)
            if (!folder_.MissionFile(begin.name))
                Add({FindingKind::MissionFileMissing, begin.line + 1, std::string(begin.name)});
    }

    struct Named {
        std::size_t line;
        std::string_view name;
    };

    const Lines& lines_;
    BesideThenGame& folder_;
    std::vector<Section> sections_;
    std::size_t readEnd_ = 0; // the line of "[END]": the game reads no further
    std::vector<Named> tells_;
    std::vector<Named> missionBegins_;
    std::vector<Finding> findings_;
};

FileCheck CheckMissionIn(std::string_view bytes, BesideThenGame& folder) {
    FileCheck check;
    check.kind = FileKind::Mission;
    ReadReport report;
    const FileText file(bytes, report);
    check.refusal = report.refusal;
    if (!check.refusal && !MissionChecker(file.Lines(), folder).Check(check.findings))
        check.refusal = Refusal{RefusalReason::NoHeaderSection};
    return check;
}

// A guide's mission rows as the campaign check finds them, each at its line.
void CheckMissionRows(const CampaignFileReading& reading, BesideThenGame& folder,
                      std::vector<Finding>& findings) {
    // The reader keeps the rows in file order: mission k came from row k.
    const auto lineOf = [&reading](std::size_t mission) {
        return reading.document.missions[mission].line + 1;
    };
    for (CampaignFinding& found : CheckCampaign(reading.settings, folder)) {
        const bool namesAnother = found.kind == CampaignFindingKind::NeverDone ||
                                  found.kind == CampaignFindingKind::WaitsForLater;
        const std::size_t waiting = namesAnother ? lineOf(found.other) : 0;
        findings.push_back({FindingKind::CampaignMission,
                            lineOf(found.mission),
                            {},
                            {},
                            {},
                            waiting,
                            std::move(found)});
    }
}

// Each mission file the guide names, once, checked as a mission where it is one.
void CheckMissionFiles(const CampaignSettings& campaign, BesideThenGame& folder,
                       std::vector<MissionFileFindings>& missionFiles) {
    std::set<std::string> checked;
    for (const CampaignMission& mission : campaign.missions) {
        if (!mission.startsMission)
            continue;
        const std::optional<std::string> file = folder.MissionFile(mission.name);
        if (!file || !checked.insert(*file).second)
            continue;
        const FolderFile read = folder.Read(*file);
        if (!read.bytes)
            continue; // the campaign check names it
        FileCheck check = CheckMissionIn(*read.bytes, folder);
        if (!check.findings.empty())
            missionFiles.push_back({*file, folder.InGameFolder(*file), std::move(check.findings)});
    }
}

} // namespace

std::size_t FileCheck::Count() const {
    std::size_t count = findings.size();
    for (const MissionFileFindings& file : missionFiles)
        count += file.findings.size();
    return count;
}

FileCheck CheckMission(std::string_view bytes, const CheckFolders& folders) {
    BesideThenGame folder(folders);
    return CheckMissionIn(bytes, folder);
}

FileCheck CheckGuide(std::string_view bytes, const CheckFolders& folders) {
    FileCheck check;
    check.kind = FileKind::CampaignGuide;
    const CampaignFileReading reading = ReadCampaignFile(bytes);
    check.refusal = reading.report.refusal;
    if (check.refusal)
        return check;
    BesideThenGame folder(folders);
    CheckMissionRows(reading, folder, check.findings);
    ReadReport report;
    const FileText file(bytes, report);
    for (std::size_t i = 0; i < file.Lines().size(); ++i)
        ReadCommand(file.Lines()[i], i, check.findings);
    InLineOrder(check.findings);
    CheckMissionFiles(reading.settings, folder, check.missionFiles);
    return check;
}

FileCheck CheckFile(std::string_view bytes, const CheckFolders& folders) {
    switch (DetectFileKind(bytes)) {
    case FileKind::Mission:
        return CheckMission(bytes, folders);
    case FileKind::CampaignGuide:
        return CheckGuide(bytes, folders);
    case FileKind::Unknown:
        break;
    }
    return {};
}

} // namespace vornask
