// The commands of a file's lines as the game reads them: a line command, "$Button=Continue,Tell,
// TryAgain", or a tag that starts a line, "<$Config,Done{mission.fileName}=1>".
#pragma once

#include "core/check/Finding.h"

#include <optional>
#include <string_view>
#include <vector>

namespace vornask {

struct CommandUse {
    std::size_t line; // its index
    // The action the command runs, as written ("Tell"), and what follows it: the rest of the line
    // after the action's comma, or of the tag up to its ">". None when it runs no known action.
    std::optional<std::string_view> action;
    std::string_view argument;
};

// The command on line `index`, if the line holds one; what is wrong with it goes to `findings`:
// a command, action or tag the game does not know, or a command that takes an action but names
// none. A caption may hold commas: the action is the first known one after the caption. A line
// command the game does not know is still read for its action, so that a misspelt button's Tell
// counts as naming its section and the misspelling is the one finding.
std::optional<CommandUse> ReadCommand(std::string_view line, std::size_t index,
                                      std::vector<Finding>& findings);

} // namespace vornask
