#include "core/text/TextLines.h"

namespace vornask {

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines)
        size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::string> SplitLines(std::string_view text) {
    const std::vector<std::string_view> views = SplitLineViews(text);
    return std::vector<std::string>(views.begin(), views.end());
}

std::vector<std::string> SplitAtBreaks(std::string_view text) {
    std::vector<std::string> pieces;
    ForEachLine(text, true, [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
}

void AppendSplitAtBreaks(const std::vector<std::string>& texts, std::vector<std::string>& pieces) {
    for (const std::string& text : texts)
        ForEachLine(text, true, [&pieces](std::string_view piece) { pieces.emplace_back(piece); });
}

std::vector<std::string> SplitBoxLines(std::string_view text) {
    return text.empty() ? std::vector<std::string>{} : SplitAtBreaks(text);
}

std::vector<std::string_view> SplitLineViews(std::string_view text) {
    std::vector<std::string_view> lines;
    ForEachLine(text, false, [&lines](std::string_view line) { lines.push_back(line); });
    return lines;
}

std::vector<LineWithBreak> SplitLinesWithBreaks(std::string_view text) {
    std::vector<LineWithBreak> lines;
    ForEachLine(text, false, [&](std::string_view line) {
        const std::size_t end = static_cast<std::size_t>(line.data() - text.data()) + line.size();
        std::size_t breakSize = 0;
        if (end < text.size())
            breakSize = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1;
        lines.push_back({line, text.substr(end, breakSize)});
    });
    return lines;
}

std::string WithCrLfLineBreaks(std::string_view text) {
    std::string result;
    result.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            result += "\r\n";
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            result.push_back(text[i]);
        }
    }
    return result;
}

} // namespace vornask
