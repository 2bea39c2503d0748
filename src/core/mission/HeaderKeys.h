// The keys of a mission file's "[Header]", in the order the mission file writer writes them,
// with the setting each one holds and how the pages show its value.
#pragma once

#include "core/mission/MissionSettings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

// How the pages show a key's value, and so what they give back for it untouched.
enum class KeyValueKind {
    Text,          // a line edit: the bytes, control characters as '?'
    MissionNumber, // a spin edit
    Money,         // a spin edit
    Flag,          // a True/False box: "1" for a number other than 0, else "0"
    Tech,          // a knowledge list
    Allies,        // an ally list
    Ability,       // the advanced dialog's ability flags
    Colour,        // no page shows it: the slot's own, written for a new opponent only
};

struct HeaderKey {
    std::string name; // as the writer spells it: "missionNumber", "ai3Collectors"
    int side = 0;     // the opponent the key belongs to; 0 for the mission's own
    KeyValueKind kind = KeyValueKind::Text;
    // The setting the key holds; none for the colour.
    std::string* (*field)(MissionSettings&, int side) = nullptr;

    const std::string& ValueIn(const MissionSettings& settings) const {
        return *field(const_cast<MissionSettings&>(settings), side);
    }
    // What the writer writes for the key: the setting, or the colour of the opponent's slot.
    std::string_view WrittenValue(const MissionSettings& settings) const {
        return field ? std::string_view(ValueIn(settings))
                     : std::string_view(kOpponentColours.at(side - kFirstOpponent));
    }
};

// The mission's own keys, then each opponent's block from side 2 to 8.
const std::vector<HeaderKey>& HeaderKeys();

// The key named `name`, letter case ignored.
std::optional<std::size_t> FindHeaderKey(std::string_view name);

// The key that holds the title.
std::size_t TitleKey();

// What a page shows of `raw`, a value as the file holds it, and gives back untouched; the
// setting's default where the page cannot show a number the file holds.
std::string PageForm(const HeaderKey& key, std::string_view raw);

} // namespace vornask
