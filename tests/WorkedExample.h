// The lines of the worked example mission: Tutorial number 2 with more but no random
// geysers, the entry box at its defaults, a player and one opponent (Badguy #1) with all
// technology and money, the opponent's advanced values 3, 4, 2, 2, three messages and a next
// mission "mission3".
#pragma once

#include "core/campaign/CampaignSettings.h"
#include "core/mission/MissionSettings.h"

#include <string>
#include <vector>

// The settings the worked example mission is written from.
inline vornask::MissionSettings WorkedExampleMission() {
    using namespace vornask;
    MissionSettings s;
    s.general.missionNumber = "2";
    s.general.moreGeysers = "1";
    s.general.randGeysers = "0";
    s.player.myStartMoney = "1000";
    s.player.myTech = "all";
    Opponent& ai2 = s.opponent(2);
    ai2.enabled = true;
    ai2.tech = "all";
    ai2.startMoney = "500";
    s.advancedOf(2) = {"3", "", "4", "2", "2"};
    s.events.Succeeded = {"Victory", "The enemy temple has fallen."};
    s.events.Failed = {"Defeat", "Your priest is lost."};
    s.events.of(2, OpponentEvent::TempleDead).heading = "Temple destroyed";
    s.finish.NextMissionCheck = true;
    s.finish.MissionName = "mission3";
    return s;
}

// The settings the worked example campaign is written from.
inline vornask::CampaignSettings WorkedExampleCampaign() {
    vornask::CampaignSettings s;
    s.title = "My Campaign";
    s.CampaignHeader = "My Campaign";
    s.CampaignText = {"Play my campaign!"};
    s.Sequential = true;
    s.missions = {{"Island One", "Island1"}, {"The Bridge", "Bridge2"}};
    return s;
}

inline const std::vector<std::string> kWorkedExampleLines = {
    "[Header]",
    "missionType = \"Tutorial\"",
    "",
    "missionNumber = \"2\"",
    "moreGeysers = \"1\"",
    "randGeysers = \"0\"",
    "",
    "myStartMoney = \"1000\"",
    "myTech = \"all\"",
    "myAllyList = \"\"",
    "",
    "title = \"My Map\"",
    "",
    "ai2Name = \"Badguy #1\"",
    "ai2Tech = \"all\"",
    "ai2StartMoney = \"500\"",
    "ai2AllyList = \"\"",
    "ai2Color = \"red\"",
    "ai2Collectors = \"3\"",
    "ai2BridgeDrawRate = \"4\"",
    "ai2GeyserAttachments = \"2\"",
    "ai2TimeBetweenMoves = \"2\"",
    "ai2Ability = \"\"",
    "",
    "[Options]",
    "",
    "[A.]",
    "<h2>My Map</h2>",
    "<i>\"Why of course my maps are the best!\"<br>",
    "--The Mapmaker</i>",
    "<p>You were living happily but then you got attacked and had to fight.",
    "",
    "$Button=Review Knowledge,ShowTechnology,55",
    "$Button=Play Mission,DoNothing,0",
    "",
    "[Succeeded]",
    "<h2>Victory</h2>",
    "<p>The enemy temple has fallen.",
    "<$Config,Done{mission.fileName}=1>",
    "$Button=Leave Missions,MissionAbort,0",
    "$Button=Next Mission,MissionBegin,mission3",
    "",
    "[ai2TempleDead]",
    "<h2>Temple destroyed</h2>",
    "<p>",
    "",
    "[Failed]",
    "<h2>Defeat</h2>",
    "<p>Your priest is lost.",
    "$Button=Continue,Tell,TryAgain",
    "",
    "[END]",
};

// The lines of the worked example campaign: "My Campaign" with its default intro, played in
// sequence, with the missions "Island One" (Island1) and "The Bridge" (Bridge2).
inline const std::vector<std::string> kWorkedExampleCampaignLines = {
    "title = \"My Campaign\"",
    "",
    "[Overview]",
    "<background=\"nsstart\">",
    "<h2>My Campaign</h2>",
    "<p>",
    "Play my campaign!",
    "",
    "$Checked=1 Island One,MissionBegin,Island1,{DoneIsland1},1",
    "$Checked=2 The Bridge,MissionBegin,Bridge2,{DoneBridge2},{DoneIsland1}",
    "",
    "$Button=Back,Tell,Campaign"};

// The longest mission file the pages make (220 lines): every opponent taking part with a
// message for each of its events, and a "Next Mission" button with no name.
inline vornask::MissionSettings LongestMission() {
    vornask::MissionSettings s;
    s.finish.NextMissionCheck = true;
    for (int side = vornask::kFirstOpponent; side <= vornask::kLastOpponent; ++side) {
        s.opponent(side).enabled = true;
        for (int kind = 0; kind < vornask::kOpponentEventCount; ++kind)
            s.events.of(side, vornask::OpponentEvent(kind)).text = " ";
    }
    return s;
}
