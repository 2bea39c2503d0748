// Settings the pages and the campaign editor can produce, generated from a source of choices:
// a seeded random engine in the tests, the fuzzer's data in the fuzz targets. Every field is
// covered; one-line values and texts mix bytes with the pieces of the files' own markup
// (quotes, commas, brackets, tags). Texts either hold only what a page gives back as typed
// and the game reads as text, or anything: control characters, the files' fixed lines, section
// headers, blank lines at either end. Plain C++: the fuzz targets use it too.
#pragma once

#include "core/campaign/CampaignFormat.h"
#include "core/campaign/CampaignSettings.h"
#include "core/campaign/CampaignWriter.h"
#include "core/mission/AdvancedAITables.h"
#include "core/mission/MissionFormat.h"
#include "core/mission/MissionSettings.h"
#include "core/mission/MissionWriter.h"
#include "core/mission/TechAllyEncoding.h"
#include "core/text/Markup.h"
#include "core/text/TextLines.h"
#include "core/text/Windows1252.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace vornask::testing {

// The bytes of the files the writers write for `s` and `c`.
inline std::string MissionBytes(const MissionSettings& s) {
    MissionLines lines;
    BuildMissionLines(s, lines);
    return JoinLinesCrLf(lines);
}

inline std::string CampaignBytes(const CampaignSettings& c) {
    std::vector<std::string> lines;
    BuildCampaignLines(c, lines);
    return JoinLinesCrLf(lines);
}

// The generator's choices from a seeded random engine, the same in every run.
struct SeededChoices {
    std::mt19937 engine;
    int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
};

enum class GeneratedTexts {
    AsTyped,  // what reads back as it was written: no control characters, no line that the game
              // reads as a header, command or button, no blank line at a text's either end
    Anything, // any bytes but NUL and line breaks, and any line
};

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

// What a campaign reads back as: played in sequence when it has missions and each waits for
// the one before it, which a single mission does whatever the setting.
inline CampaignSettings AsReadBack(CampaignSettings c) {
    if (c.missions.size() < 2)
        c.Sequential = !c.missions.empty();
    return c;
}

// `Choices` gives Number(low, high), a whole number from low to high inclusive.
template <class Choices> class SettingsGenerator {
public:
    SettingsGenerator(Choices& choices, GeneratedTexts texts) : choices_(choices), texts_(texts) {}

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
        if (texts_ == GeneratedTexts::AsTyped && !c.CampaignText.empty()) {
            for (std::string& line : c.CampaignText)
                line = ReadableAsText(line);
            c.CampaignText.front() = ReadableAtAnEnd(c.CampaignText.front());
            c.CampaignText.back() = ReadableAtAnEnd(c.CampaignText.back());
        }
        c.Sequential = Coin();
        c.missions.resize(Number(0, 1) ? Number(0, 6) : Number(0, kMaxCampaignMissions));
        for (CampaignMission& mission : c.missions)
            mission = {OneLine(), OneLine()};
        return c;
    }

    // A one-line value: bytes and markup pieces.
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
                value += Byte();
        }
        return value;
    }

private:
    int Number(int low, int high) { return choices_.Number(low, high); }
    bool Coin() { return Number(0, 1) == 1; }

    // Any byte but NUL and line breaks; as typed, none that stands for a control character.
    char Byte() {
        const int byte = Number(1, 253);
        const char c = static_cast<char>(byte == '\n' ? 254 : byte == '\r' ? 255 : byte);
        return texts_ == GeneratedTexts::Anything || WithControlsReplaced(std::string(1, c)) != "?"
                   ? c
                   : 'c';
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

    // A memo's text: its lines joined by CR LF; lines may be empty or markup, and when anything
    // goes the file's fixed lines or section headers, and the text may end in a line break.
    std::string Text() {
        std::vector<std::string> lines(Number(0, 4));
        for (std::string& line : lines)
            line = TextLine();
        if (texts_ == GeneratedTexts::AsTyped && !lines.empty()) {
            lines.front() = ReadableAtAnEnd(lines.front());
            lines.back() = ReadableAtAnEnd(lines.back());
        }
        std::string text;
        for (std::size_t i = 0; i < lines.size(); ++i)
            text.append(i > 0 ? "\r\n" : "").append(lines[i]);
        if (texts_ == GeneratedTexts::Anything && !lines.empty() && Number(0, 3) == 0)
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
        std::string line;
        switch (Number(0, 5)) {
        case 0:
            line = fixed[Number(0, static_cast<int>(std::size(fixed)) - 1)];
            break;
        case 1:
            line = texts_ == GeneratedTexts::Anything
                       ? headers[Number(0, static_cast<int>(headers.size()) - 1)]
                       : OneLine();
            break;
        default:
            line = OneLine();
        }
        return texts_ == GeneratedTexts::Anything ? line : ReadableAsText(line);
    }

    // A line the game reads as text: one that would start a section or stand for a command or
    // button gets a letter in front.
    static std::string ReadableAsText(std::string line) {
        if (SectionNames(line) || IsCommandLine(line))
            line.insert(0, "t");
        return line;
    }

    // Blank lines at a text's ends are the file's layout, not the text's.
    static std::string ReadableAtAnEnd(std::string line) {
        return IsBlank(line) ? line + "t" : line;
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
    GeneratedTexts texts_;
};

} // namespace vornask::testing
