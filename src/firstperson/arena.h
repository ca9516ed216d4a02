#pragma once

#include <string_view>
#include <vector>

#include "firstperson/logic.h"

class FokkerEnemy;
class Ground;
class RAF;
class Tank;
class Tree;

namespace FirstPerson {

// The playing field of the program firstperson: a ringed grid of ground inside the world's edge, a few
// parked vans and tanks to hide behind and to climb, copses of trees, triplanes circling low on two circles
// in both senses, and the player, who starts between the inner vans. Everything is built here, once the
// window exists, and destroyed with the scene; nothing is created or destroyed during play.
class Arena : public Logic {
  public:
    static constexpr std::string_view Title = "Studio 3D first-person combat";
    static constexpr double Size = 13;

    explicit Arena(FrameClock clock = {});

    const std::vector<FokkerEnemy*>& aircraft() const { return aircraft_; }
    const std::vector<RAF*>& vans() const { return vans_; }
    const std::vector<Tank*>& tanks() const { return tanks_; }
    const std::vector<::Tree*>& trees() const { return trees_; }
    Ground* ground() const { return ground_; }

  private:
    // Registered in the scene, which deletes them.
    Ground* ground_ = nullptr;
    std::vector<RAF*> vans_;
    std::vector<Tank*> tanks_;
    std::vector<::Tree*> trees_;
    std::vector<FokkerEnemy*> aircraft_;
};

}  // namespace FirstPerson
