#pragma once

#include <cstdint>

class Object;

namespace FirstPerson {

// What the combatants need of the running combat scene, without depending on the scene itself: the
// player's avatar and the score. The combat scene binds itself for its lifetime; with none bound (an
// aircraft shown in another scene) there is no player, the score is 0 and scoring does nothing.
class Combat {
  public:
    // The player's avatar, or null.
    virtual Object* player() const = 0;
    virtual std::uint32_t currentScore() const = 0;
    // Changes the score by delta (never below 0) and returns the new score.
    virtual std::uint32_t addScore(std::int32_t delta) = 0;

  protected:
    Combat() = default;
    Combat(const Combat&) = delete;
    Combat& operator=(const Combat&) = delete;
    ~Combat() = default;
};

// The bound combat scene, or null.
Combat* combat();
// Binds the combat scene (nullptr unbinds). Called by the scene's own construction and destruction.
void bindCombat(Combat* live);

// The player's avatar of the bound scene; null without one.
Object* player();
// The bound scene's score; 0 without one.
std::uint32_t score();
// Scores on the bound scene; without one nothing happens and 0 is returned.
std::uint32_t addScore(std::int32_t delta);

}  // namespace FirstPerson
