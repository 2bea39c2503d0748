// Settings the pages and the campaign editor can produce, generated from a source of choices:
// a seeded random engine in the tests, the fuzzer's data in the fuzz targets. Every field is
// covered; one-line values and texts mix arbitrary bytes with the pieces of the files' own
// markup (quotes, commas, brackets, tags, the fixed lines and, when asked for, section headers).
// Plain C++: the fuzz targets use it too.
#pragma once

#include "core/campaign/CampaignFormat.h"
#include "core/campaign/CampaignSettings.h"
#include "core/mission/AdvancedAITables.h"
#include "core/mission/MissionFormat.h"
#include "core/mission/MissionSettings.h"
#include "core/mission/TechAllyEncoding.h"

#include <algorithm>
#include <string>
#include <vector>

namespace vornask::testing {

// Every section header of the mission file.
inline std::vector<std::string> MissionSectionHeaders() {
    std::vector<std::string> headers{std::string(kHeaderHeader),   std::string(kOptionsHeader),
                                     std::string(kEntryBoxHeader), std::string(kSucceededHeader),
                                     std::string(kFailedHeader),   std::string(kEndHeader)};
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        for (int kind = 0; kind < kOpponentEventCount; ++kind)
            headers.push_back(EventSectionHeader(side, kind));
    return headers;
}

// Whether a text holds a line that is exactly a section header of the mission file.
inline bool HasHeaderLine(const std::string& text) {
    static const std::vector<std::string> headers = MissionSectionHeaders();
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find("\r\n", start), text.size());
        if (std::find(headers.begin(), headers.end(), text.substr(start, end - start)) !=
            headers.end())
            return true;
        start = end + 2;
    }
    return false;
}

// What a mission reads back as: the opponents the file does not hold, and their messages, at
// their defaults; the finish options other than the next mission at theirs.
inline MissionSettings AsReadBack(MissionSettings s) {
    const MissionSettings defaults;
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        if (!s.opponent(side).enabled) {
            s.opponent(side) = defaults.opponent(side);
            s.advancedOf(side) = {};
            s.events.opponent[side - kFirstOpponent] = {};
        }
    s.finish.DuplicateCheck = defaults.finish.DuplicateCheck;
    s.finish.EditSourceCheck = defaults.finish.EditSourceCheck;
    if (!s.finish.NextMissionCheck)
        s.finish.MissionName.clear();
    return s;
}

// What a campaign reads back as: with fewer than two missions the file does not say whether
// they are played in sequence, and the setting keeps its default.
inline CampaignSettings AsReadBack(CampaignSettings c) {
    if (c.missions.size() < 2)
        c.Sequential = CampaignSettings{}.Sequential;
    return c;
}

// `Choices` gives Number(low, high), a whole number from low to high inclusive.
template <class Choices> class SettingsGenerator {
public:
    SettingsGenerator(Choices& choices, bool headerLinesInTexts)
        : choices_(choices), headerLinesInTexts_(headerLinesInTexts) {}

    MissionSettings Mission() {
        MissionSettings s;
        s.general = {OneLine(), OneLine(),
                     std::to_string(Number(kMinMissionNumber, kMaxMissionNumber)), Flag(), Flag()};
        s.entryBox = {OneLine(), OneLine(), Text()};
        s.player = {Money(), Tech(), Allies(1)};
        for (int side = kFirstOpponent; side <= kLastOpponent; ++side) {
            s.opponent(side) = {Coin(), OneLine(), Tech(), Money(), Allies(side)};
            for (int option = 0; option < kAdvancedOptionCount; ++option)
                s.advancedOf(side).*AdvancedOptions()[option].slot = AdvancedValue(option);
        }
        s.events.Succeeded = Message();
        s.events.Failed = Message();
        for (auto& opponent : s.events.opponent)
            for (EventMessage& message : opponent)
                message = Coin() ? Message() : EventMessage{};
        s.finish = {Coin(), Coin(), Coin(), OneLine()};
        return s;
    }

    CampaignSettings Campaign() {
        CampaignSettings c;
        c.title = OneLine();
        c.CampaignHeader = OneLine();
        c.CampaignText.resize(Number(0, 4));
        for (std::string& line : c.CampaignText)
            line = Coin() ? OneLine() : FixedCampaignLine();
        c.Sequential = Coin();
        c.missions.resize(Number(0, 1) ? Number(0, 6) : Number(0, kMaxCampaignMissions));
        for (CampaignMission& mission : c.missions)
            mission = {OneLine(), OneLine()};
        return c;
    }

    // A one-line value: arbitrary bytes but NUL and line breaks, and markup pieces.
    std::string OneLine() {
        static const char* const pieces[] = {
            "\"",    ",",   "[",   "]",    "{",  "}",    " = \"",    "<h2>",
            "</h2>", "<p>", "<i>", "<br>", "--", "</i>", "\xC3\xA9", ",MissionBegin,",
            "{Done", "},",  "1"};
        constexpr int kPieces = static_cast<int>(std::size(pieces));
        std::string value;
        for (int n = Number(0, 6); n > 0; --n) {
            const int pick = Number(0, 2 * kPieces - 1); // as often a byte as a piece
            if (pick < kPieces)
                value += pieces[pick];
            else
                value += ByteOtherThanBreaks();
        }
        return value;
    }

private:
    int Number(int low, int high) { return choices_.Number(low, high); }
    bool Coin() { return Number(0, 1) == 1; }

    char ByteOtherThanBreaks() {
        const int byte = Number(1, 253);
        return static_cast<char>(byte == '\n' ? 254 : byte == '\r' ? 255 : byte);
    }

    std::string Flag() { return Coin() ? "1" : "0"; }

    std::string Money() {
        const int forms[] = {0, Number(0, 5000) * 100, Number(0, kMaxStartMoney), kMaxStartMoney};
        return std::to_string(forms[Number(0, 3)]);
    }

    std::string Tech() {
        TechTicks ticks{};
        for (bool& tick : ticks)
            tick = Number(0, 3) == 0;
        return GetTechList(ticks, Number(0, 3) == 0);
    }

    std::string Allies(int owner) {
        AllyTicks ticks{};
        for (bool& tick : ticks)
            tick = Coin();
        return GetAllyList(ticks, owner);
    }

    std::string AdvancedValue(int option) {
        if (option == kAbilityOption) {
            AbilityFlags flags = AllAbilitiesOn();
            for (std::string& flag : flags)
                flag = Number(0, 3) == 0 ? "False" : "True";
            return GetAbility(flags);
        }
        const std::vector<const char*>& offered = AdvancedOptions()[option].values;
        const int pick = Number(0, static_cast<int>(offered.size()));
        return pick == 0 ? std::string() : offered[pick - 1];
    }

    EventMessage Message() { return {Coin() ? OneLine() : std::string(), Text()}; }

    // A memo's text: its lines joined by CR LF, sometimes ended by a line break; lines may be
    // empty, markup, the file's fixed lines or (when asked for) its section headers.
    std::string Text() {
        std::string text;
        const int lines = Number(0, 4);
        for (int i = 0; i < lines; ++i) {
            if (i > 0)
                text += "\r\n";
            text += TextLine();
        }
        if (lines > 0 && Number(0, 3) == 0)
            text += "\r\n";
        return text;
    }

    std::string TextLine() {
        static const std::string_view fixed[] = {
            "",
            kReviewKnowledgeButton,
            kPlayMissionButton,
            kDoneConfigLine,
            kLeaveMissionsButton,
            kContinueButton,
            "<h2>x</h2>",
            "<p>",
            "<p>y",
            "$Button=Next Mission,MissionBegin,m",
        };
        static const std::vector<std::string> headers = MissionSectionHeaders();
        switch (Number(0, 5)) {
        case 0:
            return std::string(fixed[Number(0, static_cast<int>(std::size(fixed)) - 1)]);
        case 1:
            if (headerLinesInTexts_)
                return headers[Number(0, static_cast<int>(headers.size()) - 1)];
            return OneLine();
        default:
            return OneLine();
        }
    }

    std::string FixedCampaignLine() {
        static const std::string_view fixed[] = {"",
                                                 kBackToCampaignsButton,
                                                 kIntroTextStart,
                                                 kOverviewHeader,
                                                 "$Checked=1 A,MissionBegin,b,{Doneb},1",
                                                 "$Checked=3 x,MissionBegin,y"};
        return std::string(fixed[Number(0, static_cast<int>(std::size(fixed)) - 1)]);
    }

    Choices& choices_;
    bool headerLinesInTexts_;
};

} // namespace vornask::testing
