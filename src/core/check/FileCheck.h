// Checking a mission or campaign guide file the way the game will read it: what the game would
// ignore, never show, not find or read otherwise than the map maker meant, each with its line.
// A pure function of the file's bytes and the folders the game looks in for the mission files
// it names. What is found is data; the window and the command line word it.
#pragma once

#include "core/campaign/CampaignCheck.h"
#include "core/text/FileKind.h"
#include "core/text/FileText.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vornask {

enum class FindingKind {
    // A mission's header.
    KeyTwice,           // `subject` is given a second time; `number`: the line the game uses
    UnknownKnowledge,   // `subject`, an item of the tech list `key`, is no item; `hint`
    UnknownAlly,        // `subject`, an entry of the ally list `key`, is no side
    UnknownColour,      // `subject`, the value of `key`, is no colour the game knows
    OpponentOutOfRange, // `subject` is an opponent's key for a side outside 2 to 8
    // A mission's sections.
    UnknownCommand,        // `subject` ("$Buton", "MssionBegin", "<$Confg") is no command; `hint`
    NoCommand,             // the line command `subject` ("$Button") names no action
    TellOfMissingSection,  // a Tell of section `subject`, which the file does not have
    SectionNotShown,       // the section with the header `subject` is shown by nothing
    ConditionNotClosed,    // a condition "<?" without its ">" on the line
    ConditionTooLong,      // a condition of `number` characters, "<?" and ">" included
    MissionFileMissing,    // a MissionBegin of mission `subject`, whose file is nowhere
    TextLineStartsSection, // a line that starts with "[" but is no section's header
    // A guide.
    CampaignMission, // a mission row's file, as the campaign check found it: `campaign`;
                     // NeverDone: `number` is the line of the mission that waits for it;
                     // WaitsForLater: the line of the later mission it waits for
};

// The most characters a condition may have, "<?" and ">" included.
constexpr std::size_t kMaxConditionLength = 78;

struct Finding {
    FindingKind kind;
    std::size_t line;         // from 1
    std::string subject = {}; // 8-bit Windows-1252, as the file has it
    std::string key = {};     // the header key whose value holds the subject
    std::string hint = {};    // the nearest known word, where there is one
    std::size_t number = 0;
    std::optional<CampaignFinding> campaign = std::nullopt;
    bool operator==(const Finding&) const = default;
};

// The folders the game looks in for a mission file that a file names: beside the file, then
// the game's own D folder (none when the game was not found).
struct CheckFolders {
    MissionFolder& beside;
    MissionFolder* game = nullptr;
};

// The findings in a mission file that a guide names.
struct MissionFileFindings {
    std::string file;  // as its folder names it (UTF-8)
    bool inGameFolder; // found in the game's D folder, not beside the guide
    std::vector<Finding> findings;
    bool operator==(const MissionFileFindings&) const = default;
};

struct FileCheck {
    FileKind kind = FileKind::Unknown; // Unknown: neither a mission nor a guide
    std::optional<Refusal> refusal;    // the file is not read as its kind, for this reason
    std::vector<Finding> findings;     // in the order of their lines
    std::vector<MissionFileFindings> missionFiles; // a guide's, those with findings
    // Every finding, the mission files' too.
    std::size_t Count() const;
};

// A mission file's bytes checked; `refusal` when they are not read as a mission.
FileCheck CheckMission(std::string_view bytes, const CheckFolders& folders);
// A guide's bytes checked: its mission rows as the campaign check finds them, its lines'
// commands, and each mission file it names checked as a mission.
FileCheck CheckGuide(std::string_view bytes, const CheckFolders& folders);
// Either, by what the bytes hold (FileKind.h).
FileCheck CheckFile(std::string_view bytes, const CheckFolders& folders);

} // namespace vornask
