#include "core/mission/HeaderKeys.h"

#include "core/mission/AdvancedAITables.h"
#include "core/mission/MissionFormat.h"
#include "core/mission/TechAllyEncoding.h"
#include "core/text/Markup.h"
#include "core/text/SpinValue.h"
#include "core/text/Windows1252.h"

#include <unordered_map>

namespace vornask {
namespace {

using S = MissionSettings&;
using Kind = KeyValueKind;

void AddMissionKeys(std::vector<HeaderKey>& keys) {
    keys.push_back({"missionType", 0, Kind::Text, [](S s, int) { return &s.general.missionType; }});
    keys.push_back({"missionNumber", 0, Kind::MissionNumber,
                    [](S s, int) { return &s.general.missionNumber; }});
    keys.push_back({"moreGeysers", 0, Kind::Flag, [](S s, int) { return &s.general.moreGeysers; }});
    keys.push_back({"randGeysers", 0, Kind::Flag, [](S s, int) { return &s.general.randGeysers; }});
    keys.push_back(
        {"myStartMoney", 0, Kind::Money, [](S s, int) { return &s.player.myStartMoney; }});
    keys.push_back({"myTech", 0, Kind::Tech, [](S s, int) { return &s.player.myTech; }});
    keys.push_back({"myAllyList", 0, Kind::Allies, [](S s, int) { return &s.player.myAllyList; }});
    keys.push_back({"title", 0, Kind::Text, [](S s, int) { return &s.general.title; }});
}

// One accessor per advanced option: a captureless lambda cannot take the option as a value.
template <int Option> std::string* AdvancedField(S s, int side) {
    return &(s.advancedOf(side).*AdvancedOptions()[Option].slot);
}

void AddOpponentKeys(std::vector<HeaderKey>& keys, int side) {
    keys.push_back({OpponentKey(side, "Name"), side, Kind::Text,
                    [](S s, int n) { return &s.opponent(n).name; }});
    keys.push_back({OpponentKey(side, "Tech"), side, Kind::Tech,
                    [](S s, int n) { return &s.opponent(n).tech; }});
    keys.push_back({OpponentKey(side, "StartMoney"), side, Kind::Money,
                    [](S s, int n) { return &s.opponent(n).startMoney; }});
    keys.push_back({OpponentKey(side, "AllyList"), side, Kind::Allies,
                    [](S s, int n) { return &s.opponent(n).allyList; }});
    keys.push_back({OpponentKey(side, "Color"), side, Kind::Colour, nullptr});
    // The writer's order of the advanced keys, which is not the dialog's: the ability last.
    keys.push_back({OpponentKey(side, "Collectors"), side, Kind::Text, AdvancedField<0>});
    keys.push_back({OpponentKey(side, "BridgeDrawRate"), side, Kind::Text, AdvancedField<2>});
    keys.push_back({OpponentKey(side, "GeyserAttachments"), side, Kind::Text, AdvancedField<3>});
    keys.push_back({OpponentKey(side, "TimeBetweenMoves"), side, Kind::Text, AdvancedField<4>});
    keys.push_back(
        {OpponentKey(side, "Ability"), side, Kind::Ability, AdvancedField<kAbilityOption>});
}

struct KeyIndex {
    std::vector<HeaderKey> keys;
    std::unordered_map<std::string, std::size_t> byLowerCaseName;
};

const KeyIndex& Index() {
    static const KeyIndex index = [] {
        KeyIndex built;
        AddMissionKeys(built.keys);
        for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
            AddOpponentKeys(built.keys, side);
        for (std::size_t i = 0; i < built.keys.size(); ++i)
            built.byLowerCaseName.emplace(LowerCase(built.keys[i].name), i);
        return built;
    }();
    return index;
}

} // namespace

const std::vector<HeaderKey>& HeaderKeys() {
    return Index().keys;
}

std::optional<std::size_t> FindHeaderKey(std::string_view name) {
    const auto found = Index().byLowerCaseName.find(LowerCase(name));
    if (found == Index().byLowerCaseName.end())
        return std::nullopt;
    return found->second;
}

std::size_t TitleKey() {
    static const std::size_t title = *FindHeaderKey("title");
    return title;
}

std::string PageForm(const HeaderKey& key, std::string_view raw) {
    const MissionSettings defaults;
    switch (key.kind) {
    case Kind::Text:
        return WithControlsReplaced(raw);
    case Kind::MissionNumber:
        return SpinForm(raw, defaults.general.missionNumber);
    case Kind::Money:
        return SpinForm(raw, defaults.player.myStartMoney);
    case Kind::Flag: {
        const std::optional<int> number = WholeNumber(raw);
        return number && *number != 0 ? "1" : "0";
    }
    case Kind::Tech:
        return GetTechList(ReadTechList(raw));
    case Kind::Allies: {
        const int owner = key.side == 0 ? 1 : key.side;
        return GetAllyList(ReadAllyList(raw, owner), owner);
    }
    case Kind::Ability:
        return GetAbility(AbilityFlagsOf(raw), raw);
    case Kind::Colour:
        return std::string(raw);
    }
    return std::string(raw);
}

} // namespace vornask
