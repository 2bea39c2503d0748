#include "core/check/CommandLines.h"

#include "core/check/GameVocabulary.h"
#include "core/text/Markup.h"

namespace vornask {
namespace {

constexpr std::string_view kLineCommandStart = "$";
constexpr std::string_view kTagStart = "<$";

std::vector<std::string_view> Fields(std::string_view text) {
    std::vector<std::string_view> fields;
    while (true) {
        const std::size_t comma = text.find(',');
        fields.push_back(text.substr(0, comma));
        if (comma == std::string_view::npos)
            return fields;
        text.remove_prefix(comma + 1);
    }
}

Finding Unknown(std::size_t index, std::string_view start, std::string_view name,
                const std::string& nearest) {
    return {FindingKind::UnknownCommand,
            index + 1,
            std::string(start).append(name),
            {},
            std::string(start).append(nearest)};
}

// "<$Config,Done{mission.fileName}=1>": the command up to the first comma, its argument up to
// the ">".
CommandUse ReadTag(std::string_view tag, std::size_t index, std::vector<Finding>& findings) {
    const std::string_view inside = tag.substr(0, tag.find('>'));
    const std::size_t comma = inside.find(',');
    const std::string_view name = Trimmed(inside.substr(0, comma));
    CommandUse use{index, std::nullopt, {}};
    if (!IsTagCommand(name))
        findings.push_back(Unknown(index, kTagStart, name, NearestTagCommand(name)));
    else if (IsAction(name) && comma != std::string_view::npos)
        use = {index, name, inside.substr(comma + 1)};
    return use;
}

CommandUse ReadLineCommand(std::string_view command, std::size_t index,
                           std::vector<Finding>& findings) {
    const std::size_t nameEnd = std::min(command.find_first_of("=,"), command.size());
    const std::string_view name = Trimmed(command.substr(0, nameEnd));
    const bool known = IsLineCommand(name);
    if (!known)
        findings.push_back(Unknown(index, kLineCommandStart, name, NearestLineCommand(name)));
    CommandUse use{index, std::nullopt, {}};
    if (known && !TakesAction(name))
        return use;
    const std::string_view values = command.substr(std::min(nameEnd + 1, command.size()));
    const std::vector<std::string_view> fields = Fields(values);
    std::size_t after = fields[0].size() + 1; // where the field after the caption starts
    for (std::size_t i = 1; i < fields.size(); ++i) {
        if (IsAction(Trimmed(fields[i]))) {
            const std::size_t argument = std::min(after + fields[i].size() + 1, values.size());
            return {index, Trimmed(fields[i]), values.substr(argument)};
        }
        after += fields[i].size() + 1;
    }
    if (!known)
        return use;
    const std::string_view action = fields.size() > 1 ? Trimmed(fields[1]) : std::string_view();
    if (action.empty())
        findings.push_back(
            {FindingKind::NoCommand, index + 1, std::string(kLineCommandStart).append(name)});
    else
        findings.push_back({FindingKind::UnknownCommand,
                            index + 1,
                            std::string(action),
                            {},
                            NearestAction(action)});
    return use;
}

} // namespace

std::optional<CommandUse> ReadCommand(std::string_view line, std::size_t index,
                                      std::vector<Finding>& findings) {
    const std::string_view rest = line.substr(IndentOf(line));
    if (rest.starts_with(kTagStart))
        return ReadTag(rest.substr(kTagStart.size()), index, findings);
    if (rest.starts_with(kLineCommandStart))
        return ReadLineCommand(rest.substr(kLineCommandStart.size()), index, findings);
    return std::nullopt;
}

} // namespace vornask
