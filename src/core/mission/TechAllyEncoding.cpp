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

std::string GetAllyList(const AllyTicks& ticked, int owner) {
    std::string value;
    for (int position = 1; position <= kAllyItemCount; ++position)
        if (ticked[position - 1])
            value += std::to_string(AllySide(owner, position)) + ";";
    return value;
}

} // namespace vornask
