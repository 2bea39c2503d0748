#include "ui/pages/WindowOwner.h"

namespace vornask {

void WindowOwner::StartMission(const MissionSettings& start, const QString& file,
                               std::optional<MissionDocument> document) {
    startingMission_ = start;
    missionFile_ = file;
    openedMission_ = std::move(document);
    savedMissionFile_.clear();
    for (int side = kFirstOpponent; side <= kLastOpponent; ++side)
        if (start.opponent(side).enabled)
            mission_.advancedOf(side) = start.advancedOf(side);
    advancedAtStart_ = mission_.advanced;
    ++missionsStarted_;
}

} // namespace vornask
