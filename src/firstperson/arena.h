#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "app/overlay_text.h"
#include "firstperson/logic.h"
#include "firstperson/rounds.h"

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
    ~Arena() override;

    // Plays in rounds of the given seconds of play, each kept by keep. Without it the play has no end.
    void playRounds(double seconds, Rounds::Keeper keep);
    const Rounds* rounds() const { return rounds_ ? &*rounds_ : nullptr; }
    // A fresh arena in the same window: everything built anew, the score 0, the player at the start.
    void restart();

    // While a round's table is shown, fire starts the next round and nothing else is played.
    Input& input(int control, bool pressed) override;
    // Counts the round's time while the player lives; when it runs out the player leaves the arena.
    void update(double dt) override;
    // The settings panel (F1) shows every setting, and the controls of the game.
    std::string_view panelControls() const override;
    // The time left at the top, the record table in the middle.
    void drawOverlay(std::uint32_t windowWidth, std::uint32_t windowHeight) override;

    const std::vector<FokkerEnemy*>& aircraft() const { return aircraft_; }
    const std::vector<RAF*>& vans() const { return vans_; }
    const std::vector<Tank*>& tanks() const { return tanks_; }
    const std::vector<::Tree*>& trees() const { return trees_; }
    Ground* ground() const { return ground_; }

  private:
    void populate();
    void endRound();

    std::optional<Rounds> rounds_;
    // When the last round ended, on the scene clock: a shot fired just then does not start the next.
    double roundEnded_ = 0;
    std::unique_ptr<OverlayText> clockText_;
    std::unique_ptr<OverlayText> tableText_;
    // Registered in the scene, which deletes them.
    Ground* ground_ = nullptr;
    std::vector<RAF*> vans_;
    std::vector<Tank*> tanks_;
    std::vector<::Tree*> trees_;
    std::vector<FokkerEnemy*> aircraft_;
};

}  // namespace FirstPerson
