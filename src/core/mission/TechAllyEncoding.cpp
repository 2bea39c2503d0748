#include "core/mission/TechAllyEncoding.h"

#include <algorithm>
#include <numeric>
#include <string_view>

namespace vornask {

std::array<int, kTechItemCount> PlayerTechDisplayOrder() {
    std::array<int, kTechItemCount> order{};
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [](int a, int b) {
        return std::string_view(TechItemTable[a].caption) <
               std::string_view(TechItemTable[b].caption);
    });
    return order;
}

std::string GetTechList(const TechTicks& ticked, bool allTechnology) {
    if (allTechnology)
        return "all";
    std::string value;
    for (int item = 0; item < kTechItemCount; ++item)
        if (ticked[item])
            value += TechItemTable[item].emitted;
    return value;
}

std::optional<TechChoice> TechChoiceOf(std::string_view value) {
    TechChoice choice;
    if (value == "all") {
        choice.ticked.fill(true);
        choice.allTechnology = true;
        return choice;
    }
    for (int item = 0; item < kTechItemCount; ++item) {
        const std::string_view emitted = TechItemTable[item].emitted;
        choice.ticked[item] = value.starts_with(emitted);
        if (choice.ticked[item])
            value.remove_prefix(emitted.size());
    }
    return value.empty() ? std::optional(choice) : std::nullopt;
}

int AllySide(int owner, int position) {
    return position < owner ? position : position + 1;
}

std::vector<std::string> AllyListCaptions(int owner) {
    std::vector<std::string> captions;
    for (int position = 1; position <= kAllyItemCount; ++position) {
        const int side = AllySide(owner, position);
        captions.push_back(side == 1 ? std::string("Player") : "AI #" + std::to_string(side - 1));
    }
    return captions;
}

namespace {

// What a ticked item of an ally list adds to its value: the side's number and a semicolon.
std::string AllyEntry(int owner, int position) {
    return std::to_string(AllySide(owner, position)) + ";";
}

} // namespace

std::string GetAllyList(const AllyTicks& ticked, int owner) {
    std::string value;
    for (int position = 1; position <= kAllyItemCount; ++position)
        if (ticked[position - 1])
            value += AllyEntry(owner, position);
    return value;
}

std::optional<AllyTicks> AllyTicksOf(std::string_view value, int owner) {
    AllyTicks ticked{};
    for (int position = 1; position <= kAllyItemCount; ++position) {
        const std::string entry = AllyEntry(owner, position);
        ticked[position - 1] = value.starts_with(entry);
        if (ticked[position - 1])
            value.remove_prefix(entry.size());
    }
    return value.empty() ? std::optional(ticked) : std::nullopt;
}

} // namespace vornask
