#include "core/mission/EventSlots.h"

namespace vornask {

const char* EventChoiceName(int eventChoice) {
    if (eventChoice == kSucceededChoice)
        return "Succeeded";
    if (eventChoice == kFailedChoice)
        return "Failed";
    return kOpponentEventNames.at(eventChoice - kFirstOpponentEventChoice);
}

bool IsOpponentEventChoice(int eventChoice) {
    return eventChoice >= kFirstOpponentEventChoice &&
           eventChoice < kFirstOpponentEventChoice + kOpponentEventCount;
}

EventMessage* SelectedEventMessage(EventMessages& messages, int eventChoice, int aiChoice) {
    if (eventChoice == kSucceededChoice)
        return &messages.Succeeded;
    if (eventChoice == kFailedChoice)
        return &messages.Failed;
    if (!IsOpponentEventChoice(eventChoice) || aiChoice < 0 || aiChoice >= kOpponentCount)
        return nullptr;
    const auto kind = static_cast<OpponentEvent>(eventChoice - kFirstOpponentEventChoice);
    return &messages.of(kFirstOpponent + aiChoice, kind);
}

} // namespace vornask
