#include "core/check/GameVocabulary.h"

#include "core/mission/MissionFormat.h"
#include "core/text/Markup.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace vornask {
namespace {

template <std::size_t N>
bool Holds(const std::array<std::string_view, N>& table, std::string_view name) {
    return std::any_of(table.begin(), table.end(),
                       [name](std::string_view known) { return EqualsNoCase(known, name); });
}

const LineCommand* FindLineCommand(std::string_view name) {
    const auto found =
        std::find_if(kLineCommands.begin(), kLineCommands.end(),
                     [name](const LineCommand& c) { return EqualsNoCase(c.name, name); });
    return found == kLineCommands.end() ? nullptr : &*found;
}

const std::vector<std::string_view>& LineCommandNames() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const LineCommand& command : kLineCommands)
            all.push_back(command.name);
        return all;
    }();
    return names;
}

const std::vector<std::string_view>& TagCommands() {
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all(kActions.begin(), kActions.end());
        all.insert(all.end(), kTagOnlyCommands.begin(), kTagOnlyCommands.end());
        const std::vector<std::string_view>& lineCommands = LineCommandNames();
        all.insert(all.end(), lineCommands.begin(), lineCommands.end());
        return all;
    }();
    return names;
}

// "ai3TempleDead": an opponent's side from 2 to 8 followed by the name of one of its events.
bool IsOpponentEvent(std::string_view name) {
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        for (const char* event : kOpponentEventNames)
            if (EqualsNoCase(name, OpponentKey(side, event)))
                return true;
    return false;
}

// How many letters must be added, removed or changed to turn `a` into `b`, case ignored.
std::size_t EditDistance(std::string_view a, std::string_view b) {
    const std::string lowerA = LowerCase(a);
    const std::string lowerB = LowerCase(b);
    std::vector<std::size_t> row(lowerB.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= lowerA.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= lowerB.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t change = diagonal + (lowerA[i - 1] == lowerB[j - 1] ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, change});
            diagonal = above;
        }
    }
    return row[lowerB.size()];
}

} // namespace

bool IsLineCommand(std::string_view name) {
    return FindLineCommand(name) != nullptr;
}

bool TakesAction(std::string_view name) {
    const LineCommand* command = FindLineCommand(name);
    return command && command->takesAction;
}

bool IsAction(std::string_view name) {
    return Holds(kActions, name);
}

bool IsTagCommand(std::string_view name) {
    const std::vector<std::string_view>& known = TagCommands();
    return std::any_of(known.begin(), known.end(),
                       [name](std::string_view command) { return EqualsNoCase(command, name); });
}

bool IsOpponentColour(std::string_view colour) {
    return Holds(kOpponentColourNames, colour);
}

bool IsSharedSection(std::string_view name) {
    return Holds(kSharedSections, name);
}

bool IsOpenedByTheGame(std::string_view name) {
    return Holds(kSectionsOpenedByTheGame, name) || name.starts_with(kTimedSectionStart) ||
           IsOpponentEvent(name);
}

std::optional<std::string> NearestWord(std::string_view word,
                                       std::span<const std::string_view> known) {
    // A longer word is no misspelling of one of the game's: its first letters give the hint, in
    // a time that a line of 16 KB does not make long.
    constexpr std::size_t kLettersCompared = 32;
    word = word.substr(0, kLettersCompared);
    std::optional<std::string> nearest;
    std::size_t nearestDistance = 0;
    for (std::string_view candidate : known) {
        const std::size_t distance = EditDistance(word, candidate);
        if (!nearest || distance < nearestDistance) {
            nearest = std::string(candidate);
            nearestDistance = distance;
        }
    }
    return nearest;
}

std::string NearestLineCommand(std::string_view name) {
    return *NearestWord(name, LineCommandNames());
}

std::string NearestAction(std::string_view name) {
    return *NearestWord(name, kActions);
}

std::string NearestTagCommand(std::string_view name) {
    return *NearestWord(name, TagCommands());
}

} // namespace vornask
