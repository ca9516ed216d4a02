#include "firstperson/combat.h"

namespace FirstPerson {

namespace {
Combat* liveCombat = nullptr;
}

Combat* combat() {
    return liveCombat;
}

void bindCombat(Combat* live) {
    liveCombat = live;
}

Object* player() {
    return liveCombat != nullptr ? liveCombat->player() : nullptr;
}

std::uint32_t score() {
    return liveCombat != nullptr ? liveCombat->currentScore() : 0;
}

std::uint32_t addScore(std::int32_t delta) {
    return liveCombat != nullptr ? liveCombat->addScore(delta) : 0;
}

}  // namespace FirstPerson
