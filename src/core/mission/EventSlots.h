// Which of the 37 event messages the events page's two choosers select.
#pragma once

#include "core/mission/MissionSettings.h"

namespace vornask {

constexpr int kNoChoice = -1; // a chooser whose text is none of its items

// The event chooser's positions: "Succeeded", "Failed", then the five kinds of an opponent.
constexpr int kSucceededChoice = 0;
constexpr int kFailedChoice = 1;
constexpr int kFirstOpponentEventChoice = 2;

constexpr int kEventChoiceCount = kFirstOpponentEventChoice + kOpponentEventCount;

// The event chooser's item at `eventChoice`, as the game names the event.
const char* EventChoiceName(int eventChoice);

// Whether the event chosen at `eventChoice` happens to one opponent (so the AI chooser counts).
bool IsOpponentEventChoice(int eventChoice);

// The message selected by the event chooser's and the AI chooser's positions ("ai2" is at
// position 0); nullptr when they select none.
EventMessage* SelectedEventMessage(EventMessages& messages, int eventChoice, int aiChoice);

} // namespace vornask
