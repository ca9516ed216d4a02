#include "firstperson/rounds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace FirstPerson {

Rounds::Rounds(double seconds, Keeper keep) : length_(seconds), left_(seconds), keep_(std::move(keep)) {
    // Room for any clock line, so that counting down allocates nothing.
    clockLine_.reserve(32);
    showClock();
}

bool Rounds::run(double dt) {
    if (over_ || left_ <= 0) {
        return false;
    }
    left_ -= dt;
    showClock();
    return left_ <= 0;
}

void Rounds::showClock() {
    // Whole seconds, rounded up: the clock shows 0:00 only when the round is over.
    const auto seconds = static_cast<long>(std::ceil(std::max(left_, 0.0)));
    char line[32];
    std::snprintf(line, sizeof line, "%ld:%02ld left", seconds / 60, seconds % 60);
    clockLine_.assign(line);
}

void Rounds::end(const Round& round) {
    over_ = true;
    clockLine_.clear();
    const Standing standing = keep_(round);
    char heading[96];
    std::snprintf(heading, sizeof heading, "Round over: %u points\n\n", round.score);
    tableLines_ = heading;
    tableLines_ += recordLines(standing.table, standing.place);
    if (!standing.place) {
        tableLines_ += "  (not among the best)\n";
    }
    tableLines_ += "\nSpace or fire plays again";
}

void Rounds::restart() {
    over_ = false;
    left_ = length_;
    tableLines_.clear();
    showClock();
}

}  // namespace FirstPerson
