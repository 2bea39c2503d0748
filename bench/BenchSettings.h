// The largest inputs the program can be given: the worst cases the benchmarks measure.
#pragma once

#include "core/campaign/CampaignSettings.h"
#include "core/mission/MissionSettings.h"
#include "core/text/FileText.h"

#include <string>

namespace vornask::bench {

// The longest mission file: every opponent with all five messages and a next mission.
inline MissionSettings LongestMission() {
    MissionSettings s;
    s.finish.NextMissionCheck = true;
    s.finish.MissionName = "mission3";
    s.events.Succeeded = {"Victory", "You have won.\r\nWell done."};
    s.events.Failed = {"Defeat", "You have lost.\r\nTry again."};
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side) {
        s.opponent(side).enabled = true;
        s.opponent(side).tech = "all";
        for (int kind = 0; kind < kOpponentEventCount; ++kind)
            s.events.of(side, OpponentEvent(kind)) = {"Heading", "Some text for the event."};
    }
    return s;
}

// The longest mission with texts that make it as large as the largest of the game's own
// missions, about 12 KB.
inline MissionSettings LargestMission() {
    MissionSettings s = LongestMission();
    for (auto& opponent : s.events.opponent)
        for (EventMessage& message : opponent)
            message.text = "The temple shakes as the storm breaks over the island.\r\n"
                           "Hold the bridges until the priest is safe, and send the\r\n"
                           "collectors to the geysers in the north before the rain.\r\n"
                           "<p>Then strike.";
    return s;
}

// A campaign of as many missions as the editor takes.
inline CampaignSettings LargestCampaign() {
    CampaignSettings c;
    for (int i = 1; i <= kMaxCampaignMissions; ++i)
        c.missions.push_back(
            {"The map number " + std::to_string(i), "campaign_mission_" + std::to_string(i)});
    return c;
}

// The largest story a mission file may hold: kMaxTextLines lines, as many bytes as the file may
// have but for the rest of the mission, each line in the game's markup when `markup` (a colour,
// bold and italic text, a variable, a unit's picture, a condition on a flag, a line break), or
// plain words.
inline std::string LargestStory(bool markup) {
    const std::string marked =
        "~rThe ice~. came <b>over</b> {mission.fileName}, <i>and ~[IsunCannon.B9] "
        "fired</i> <?{DoneIsland1}>twice</?><?!{DoneIsland1}>once</?>.<br>";
    const std::string words = "The storm broke over the island, and the priests ran to the "
                              "bridges. ";
    const std::size_t lineBytes = (kMaxReadableFileBytes - 16 * 1024) / kMaxTextLines - 2;
    std::string line = markup ? marked : "";
    while (line.size() < lineBytes)
        line += words;
    line.resize(lineBytes);
    std::string story;
    story.reserve((lineBytes + 2) * kMaxTextLines);
    for (std::size_t i = 0; i < kMaxTextLines; ++i)
        story.append(i > 0 ? "\r\n" : "").append(line);
    return story;
}

} // namespace vornask::bench
