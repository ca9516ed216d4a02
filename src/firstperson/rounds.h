#pragma once

#include <functional>
#include <optional>
#include <string>

#include "firstperson/records.h"

namespace FirstPerson {

// Play in rounds of a fixed length of play, counted only while the player lives and play goes on; at
// the end the round is kept in the record table, which is shown until the next round begins.
class Rounds {
  public:
    // Keeps a finished round and gives back the table with its place.
    using Keeper = std::function<Standing(const Round&)>;

    Rounds(double seconds, Keeper keep);

    // Counts dt of play; true once, when the round runs out.
    bool run(double dt);
    bool over() const { return over_; }
    // Keeps the finished round; from now on the table is shown.
    void end(const Round& round);
    // A new round of the full length.
    void restart();

    // "2:59 left" during a round, "" once it is over.
    const std::string& clockLine() const { return clockLine_; }
    // The round's score, the table with the round marked, and how to play again; "" during a round.
    const std::string& tableLines() const { return tableLines_; }
    double left() const { return left_; }

  private:
    void showClock();

    double length_;
    double left_;
    bool over_ = false;
    Keeper keep_;
    std::string clockLine_;
    std::string tableLines_;
};

}  // namespace FirstPerson
