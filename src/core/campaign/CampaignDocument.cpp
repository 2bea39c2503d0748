#include "core/campaign/CampaignDocument.h"

#include "core/campaign/CampaignFormat.h"
#include "core/campaign/CampaignWriter.h"
#include "core/text/TextLines.h"

#include <algorithm>

namespace vornask {
namespace {

std::string JoinedLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text.append(i > 0 ? "\r\n" : "").append(lines[i]);
    return text;
}

// Each row's place among the missions, from 1; a row that starts none has the number of the
// mission before it.
std::vector<std::size_t> MissionNumbers(const CampaignSettings& settings) {
    std::vector<std::size_t> numbers;
    numbers.reserve(settings.missions.size());
    std::size_t number = 0;
    for (const CampaignMission& row : settings.missions)
        numbers.push_back(number += row.startsMission ? 1 : 0);
    return numbers;
}

class CampaignSaver {
public:
    CampaignSaver(const CampaignDocument& document, const CampaignSettings& now)
        : d_(document), read_(document.read), now_(now), readNumbers_(MissionNumbers(read_)),
          nowNumbers_(MissionNumbers(now_)) {}

    TextDocument Save() {
        SaveTitle();
        SaveIntro();
        SaveMissions();
        return edits_.AppliedTo(d_.text);
    }

private:
    const std::string& Line(std::size_t i) const { return d_.text.Line(i); }

    std::size_t OverviewBody() const { return d_.overview->BodyBegin(); }

    void SaveTitle() {
        if (now_.title == read_.title)
            return;
        if (d_.title)
            edits_.Replace({{d_.title->line, d_.title->key.valueBegin},
                            {d_.title->line, d_.title->key.valueEnd}},
                           ValueForKeyLine(now_.title, d_.title->key.quoted));
        else // first, as the writer puts it: lines before the overview may hold an empty one
            edits_.InsertLines(0, {FormatKeyLine("title", now_.title, {}), ""});
    }

    void SaveIntro() {
        if (now_.CampaignHeader != read_.CampaignHeader)
            SaveHeading(edits_, d_.intro, now_.CampaignHeader,
                        d_.intro.paragraphLine.value_or(OverviewBody()));
        if (now_.CampaignText == read_.CampaignText)
            return;
        std::vector<std::string> written{std::string(kIntroTextStart)};
        written.insert(written.end(), now_.CampaignText.begin(), now_.CampaignText.end());
        SaveText(edits_, d_.intro, JoinedLines(now_.CampaignText), written, OverviewBody());
    }

    // The rows that are still there keep the lines they had, in file order, each taken by the
    // row now at that place; lines of removed rows go, and missions beyond the lines there are
    // follow the last of them.
    void SaveMissions() {
        std::vector<bool> kept(d_.missions.size(), false);
        for (const CampaignMission& row : now_.missions)
            if (row.source && *row.source < kept.size())
                kept[*row.source] = true;
        std::vector<std::size_t> slots;
        for (std::size_t source = 0; source < d_.missions.size(); ++source) {
            if (kept[source])
                slots.push_back(d_.missions[source].line);
            else
                edits_.RemoveLines(d_.missions[source].line, d_.missions[source].line + 1);
        }
        std::vector<std::string> added;
        for (std::size_t index = 0; index < now_.missions.size(); ++index) {
            const std::string line = RowLine(index);
            if (index >= slots.size())
                added.push_back(line);
            else if (line != Line(slots[index]))
                edits_.Replace({{slots[index], 0}, {slots[index], Line(slots[index]).size()}},
                               line);
        }
        edits_.InsertLines(slots.empty() ? NewMissionsLine() : slots.back() + 1, added);
    }

    // The line of row `index` in the file's own form when it came from the file: a mission's
    // title and condition as they are now, its number its new place among the missions where
    // the file numbered it by its place; another row as written. A new mission's as the writer
    // writes it.
    std::string RowLine(std::size_t index) const {
        const CampaignMission& row = now_.missions[index];
        if (!row.source || *row.source >= d_.missions.size())
            return CampaignMissionLine(now_, index, nowNumbers_[index]);
        const RowPlace& place = d_.missions[*row.source];
        const std::string_view line = Line(place.line);
        if (!row.startsMission)
            return std::string(line);
        const std::string_view number =
            line.substr(place.numberBegin, place.numberEnd - place.numberBegin);
        const bool numberedByPlace = number == std::to_string(readNumbers_[*row.source]);
        const bool sameTitle = row.title == read_.missions[*row.source].title;
        std::string text(line.substr(0, place.numberBegin));
        text += numberedByPlace ? std::to_string(nowNumbers_[index]) : std::string(number);
        text += line.substr(place.numberEnd, place.titleBegin - place.numberEnd);
        text += sameTitle ? line.substr(place.titleBegin, place.titleEnd - place.titleBegin)
                          : std::string_view(row.title);
        text += line.substr(place.titleEnd, place.conditionBegin - place.titleEnd);
        text += MissionCondition(now_, index);
        text += line.substr(place.rowEnd);
        return text;
    }

    // Where the writer puts the missions: after the intro and the blank line after it.
    std::size_t NewMissionsLine() const {
        std::size_t line = OverviewBody();
        const HeadedTextPlace& intro = d_.intro;
        if (intro.text)
            line = intro.text->wholeLines ? intro.text->range.end.line
                                          : intro.text->range.end.line + 1;
        else if (intro.paragraphLine)
            line = *intro.paragraphLine + 1;
        else if (intro.HeadingLine())
            line = *intro.HeadingLine() + 1;
        return line < d_.overview->end && IsBlank(Line(line)) ? line + 1 : line;
    }

    const CampaignDocument& d_;
    const CampaignSettings& read_;
    const CampaignSettings& now_;
    const std::vector<std::size_t> readNumbers_; // per row
    const std::vector<std::size_t> nowNumbers_;
    DocumentEdits edits_;
};

} // namespace

TextDocument SaveIntoDocument(const CampaignDocument& document, const CampaignSettings& settings) {
    return CampaignSaver(document, settings).Save();
}

RowAsWritten RowOf(const CampaignDocument& document, std::size_t source) {
    const RowPlace& place = document.missions[source];
    const std::string_view line = document.text.Line(place.line);
    const std::size_t rowBegin = place.numberBegin - kMissionLineStart.size();
    return {line.substr(rowBegin, place.rowEnd - rowBegin), Trimmed(line.substr(0, rowBegin))};
}

} // namespace vornask
