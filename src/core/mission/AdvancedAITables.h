// What the advanced AI options dialog offers and how it turns choices into stored values.
#pragma once

#include "core/mission/MissionSettings.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vornask {

struct AdvancedOption {
    const char* name;                  // as listed in the options list
    std::string AdvancedValues::*slot; // where an opponent keeps it
    std::vector<const char*> values;   // offered values; none for the abilities
    const char* description;
};

constexpr int kAdvancedOptionCount = 5;
constexpr int kAbilityOption = 1; // shows the ability controls instead of a value list

// In the order of the options list.
const std::array<AdvancedOption, kAdvancedOptionCount>& AdvancedOptions();

// The most digits an option's value may have: every such number fits the game's whole numbers.
constexpr std::size_t kMaxAdvancedValueDigits = 9;

// Whether an option other than the abilities may hold `value`: a whole number as the game's
// files hold them (the offered ones, and others such as Collectors 20 or TimeBetweenMoves 0),
// or nothing, as an opponent never given the option has.
bool IsAdvancedValue(std::string_view value);

// Which offered value (the numbers of `values`, smallest first) an arrow key reaches from the
// value shown: `step` +1, the key Down, the first one above it; -1, Up, the last one below it.
// Nothing beyond either end. An empty value, or one that is no number, stands below them all.
std::optional<std::size_t> SteppedValue(const std::vector<const char*>& values,
                                        std::string_view shown, int step);

struct Ability {
    const char* name;
    const char* description;
};

constexpr int kAbilityCount = 13;

// In their fixed order: of the ability chooser, of the flags and of an `Ability` value.
const std::array<Ability, kAbilityCount>& Abilities();

// The position of the ability named exactly (case counts) `name`.
std::optional<int> AbilityIndex(std::string_view name);

// One text per ability; only the exact text "False" switches an ability off.
using AbilityFlags = std::array<std::string, kAbilityCount>;

AbilityFlags AllAbilitiesOn();

// "!NAME;" for every ability switched off, in ability order; empty when all are on.
std::string GetAbility(const AbilityFlags& flags);
// The same, followed by the entries of `previous` that name no ability (an opened file's own),
// which stay in the value.
std::string GetAbility(const AbilityFlags& flags, std::string_view previous);

// The flags an `Ability` value stands for, read as the game reads it: "False" for each ability
// it switches off ("!" and the name in any letter case, with or without the last semicolon).
AbilityFlags AbilityFlagsOf(std::string_view abilityValue);

} // namespace vornask
