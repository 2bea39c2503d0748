#include "core/mission/TechAllyEncoding.h"

#include "core/text/Markup.h"

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

std::vector<std::string_view> ListEntries(std::string_view value) {
    std::vector<std::string_view> entries;
    while (!value.empty()) {
        const std::size_t end = std::min(value.find(';'), value.size());
        std::string_view entry = value.substr(0, end);
        entry = Trimmed(entry);
        if (!entry.empty())
            entries.push_back(entry);
        value.remove_prefix(std::min(end + 1, value.size()));
    }
    return entries;
}

namespace {

// The item an identifier names, letter case ignored.
std::optional<int> TechItemNamed(std::string_view identifier) {
    for (int item = 0; item < kTechItemCount; ++item) {
        const TechItem& known = TechItemTable[item];
        const std::string_view emitted = known.emitted;
        if (EqualsNoCase(identifier, emitted.substr(0, emitted.size() - 1)) ||
            (known.alsoRead && EqualsNoCase(identifier, known.alsoRead)))
            return item;
    }
    return std::nullopt;
}

} // namespace

TechChoice ReadTechList(std::string_view value) {
    TechChoice choice;
    for (std::string_view entry : ListEntries(value)) {
        if (EqualsNoCase(entry, "all"))
            choice.allTechnology = true;
        else if (const std::optional<int> item = TechItemNamed(entry))
            choice.ticked[*item] = true;
        else
            choice.others.append(entry).append(";");
    }
    if (choice.allTechnology)
        choice.ticked.fill(true);
    return choice;
}

std::string GetTechList(const TechChoice& choice) {
    if (choice.allTechnology)
        return GetTechList(choice.ticked, true);
    return GetTechList(choice.ticked, false) + choice.others;
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

AllyChoice ReadAllyList(std::string_view value, int owner) {
    AllyChoice choice;
    for (std::string_view entry : ListEntries(value)) {
        const bool oneDigit = entry.size() == 1 && entry[0] >= '1' && entry[0] <= '8';
        const int side = oneDigit ? entry[0] - '0' : 0;
        if (oneDigit && side != owner)
            choice.ticked[(side < owner ? side : side - 1) - 1] = true;
        else
            choice.others.append(entry).append(";");
    }
    return choice;
}

std::string GetAllyList(const AllyChoice& choice, int owner) {
    return GetAllyList(choice.ticked, owner) + choice.others;
}

} // namespace vornask
