#include "core/mission/AdvancedAITables.h"

#include "core/mission/TechAllyEncoding.h"
#include "core/text/Markup.h"
#include <algorithm>
#include <charconv>

namespace vornask {

const std::array<AdvancedOption, kAdvancedOptionCount>& AdvancedOptions() {
    static const std::array<AdvancedOption, kAdvancedOptionCount> options = {{
        {"Collectors",
         &AdvancedValues::Collectors,
         {"1", "2", "3", "4", "5"},
         "The collectors variable allows you to control the number of storm power collectors "
         "the AI will make."},
        {"Ability", &AdvancedValues::Ability, {}, ""},
        {"BridgeDrawRate",
         &AdvancedValues::BridgeDrawRate,
         {"1", "2", "3", "4", "5", "6", "7", "8"},
         "The BridgeDrawRate variable lets you modify the rate at which the AI builds its "
         "bridges. The range is from 1 (very fast) to 8 (very slow)."},
        {"GeyserAttachments",
         &AdvancedValues::GeyserAttachments,
         {"1", "2", "3", "4"},
         "This variable modifies the number of bridges an AI will build to connect to a geyser."},
        {"TimeBetweenMoves",
         &AdvancedValues::TimeBetweenMoves,
         {"1", "2", "3", "4"},
         "This changes the length of time between each of the AI's moves. Do not set this to 0 "
         "or the AI will win instantly!"},
    }};
    return options;
}

bool IsAdvancedValue(std::string_view value) {
    return value.size() <= kMaxAdvancedValueDigits &&
           std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
}

namespace {

// A value as a number; nothing for an empty one or one that is no number.
std::optional<long long> NumberOf(std::string_view value) {
    long long number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || error != std::errc() || end != value.data() + value.size())
        return std::nullopt;
    return number;
}

} // namespace

std::optional<std::size_t> SteppedValue(const std::vector<const char*>& values,
                                        std::string_view shown, int step) {
    const std::optional<long long> from = NumberOf(shown);
    std::optional<std::size_t> reached;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::optional<long long> value = NumberOf(values[i]);
        if (!value)
            continue;
        if (step > 0 && (!from || *value > *from))
            return i;
        if (step < 0 && from && *value < *from)
            reached = i;
    }
    return reached;
}

const std::array<Ability, kAbilityCount>& Abilities() {
    static const std::array<Ability, kAbilityCount> abilities = {{
        {"FOCUS_ON_THINGS_THAT_ATTACK_BUILDINGS",
         "This ability determines whether the AI preferentially attacks things that are "
         "attacking its buildings or not."},
        {"BUILD_BLOCKERS_WHEN_BUILDINGS_HARMED",
         "The AI will look through its tech list and try to build a blocker next."},
        {"ATTACH_TO_ENEMY_ISLAND",
         "After building up sufficient storm power, the AI will try to connect to its enemy's "
         "island."},
        {"STOP_COLLECTING_FROM_DANGEROUS_GEYSERS",
         "This ability makes it so that the AI will stop collecting from geysers where units "
         "have been killed previously."},
        {"COLLECT_STORM_POWER", "Whether or not the AI collects storm power."},
        {"ENCIRCLE_ENEMY_ISLAND",
         "The AI will attempt to encircle the enemy's island with bridges."},
        {"CONCENTRATE_FIRE",
         "When choosing its next target, the AI will prefer attacking the same thing it attacked "
         "last time (to ensure death)."},
        {"REPEAT_SUCCESSFUL_DROPS",
         "The AI will try to stick with one object from its tech list and drop it again and "
         "again."},
        {"CAPTURE_ENEMY_PRIEST", "Determines whether or not the AI can capture an enemy priest."},
        {"BUILD_DAIS", "Whether or not the AI can build an altar."},
        {"SACRIFICE_ENEMY_PRIEST", "Whether or not the AI will sacrifice priests."},
        {"USE_PRIEST_TO_COLLECT", "Will the AI use its priest to collect storm power?"},
        {"BUILD_BRIDGES", "Determines if the AI will build bridges or not."},
    }};
    return abilities;
}

std::optional<int> AbilityIndex(std::string_view name) {
    for (int i = 0; i < kAbilityCount; ++i)
        if (name == Abilities()[i].name)
            return i;
    return std::nullopt;
}

AbilityFlags AllAbilitiesOn() {
    AbilityFlags flags;
    flags.fill("True");
    return flags;
}

namespace {

std::string SwitchedOffEntry(const Ability& ability) {
    return std::string("!") + ability.name + ";";
}

} // namespace

std::string GetAbility(const AbilityFlags& flags) {
    std::string value;
    for (int i = 0; i < kAbilityCount; ++i)
        if (flags[i] == "False")
            value += SwitchedOffEntry(Abilities()[i]);
    return value;
}

namespace {

// The ability an entry "!NAME" switches off.
std::optional<int> SwitchedOff(std::string_view entry) {
    if (!entry.starts_with('!'))
        return std::nullopt;
    for (int i = 0; i < kAbilityCount; ++i)
        if (EqualsNoCase(entry.substr(1), Abilities()[i].name))
            return i;
    return std::nullopt;
}

} // namespace

AbilityFlags AbilityFlagsOf(std::string_view abilityValue) {
    AbilityFlags flags = AllAbilitiesOn();
    for (std::string_view entry : ListEntries(abilityValue))
        if (const std::optional<int> ability = SwitchedOff(entry))
            flags[*ability] = "False";
    return flags;
}

std::string GetAbility(const AbilityFlags& flags, std::string_view previous) {
    std::string value = GetAbility(flags);
    for (std::string_view entry : ListEntries(previous))
        if (!SwitchedOff(entry))
            value.append(entry).append(";");
    return value;
}

} // namespace vornask
