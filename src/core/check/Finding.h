// One thing the checker found in a file, with its line: data, which the window and the command
// line word.
#pragma once

#include "core/campaign/CampaignCheck.h"

#include <cstddef>
#include <optional>
#include <string>

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

} // namespace vornask
