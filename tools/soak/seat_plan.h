#pragma once
// What a soak client does in its next game, drawn by the run's seeded chance: play it through,
// lose its link at its first turn, leave at its first turn, or leave once the game is over.
// Either way it comes back through the lobby and plays on.

#include <cstdint>
#include <random>

namespace tlj::soak {

enum class SeatPlan { kPlay, kCutAtTurn, kLeaveAtTurn, kLeaveAfterGame };

class PlanDraw {
 public:
  explicit PlanDraw(std::uint32_t seed) : random_(seed) {}
  // Half the games are played through; the other half is shared by the three disturbances.
  SeatPlan Next() {
    switch (std::uniform_int_distribution<int>(0, 5)(random_)) {
      case 0:
        return SeatPlan::kCutAtTurn;
      case 1:
        return SeatPlan::kLeaveAtTurn;
      case 2:
        return SeatPlan::kLeaveAfterGame;
      default:
        return SeatPlan::kPlay;
    }
  }

 private:
  std::mt19937 random_;
};

}  // namespace tlj::soak
