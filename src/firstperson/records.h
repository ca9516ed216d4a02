#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class UserFiles;
}

namespace FirstPerson {

// One finished round as the record table keeps it.
struct Round {
    std::uint32_t score = 0;
    std::uint32_t shots = 0;
    double pointsPerSecond = 0;
    // When it ended, in seconds since 1970 (UTC).
    std::int64_t ended = 0;

    bool operator==(const Round&) const = default;
};

// The best rounds, best first: a higher score first, at an equal score the fewer shots, then the earlier.
class RecordTable {
  public:
    static constexpr std::size_t Kept = 10;

    // Puts the round in its place; returns that place, or nothing when it is not among the best.
    std::optional<std::size_t> add(const Round& round);
    const std::vector<Round>& rounds() const { return rounds_; }

  private:
    std::vector<Round> rounds_;
};

inline constexpr std::string_view RecordsFileName = "records.toml";
// What a file that cannot be read as a table is renamed with.
inline constexpr std::string_view DamagedSuffix = ".damaged";

// The table a TOML text holds, or nothing when it is not one.
std::optional<RecordTable> parseRecords(std::string_view text);
std::string formatRecords(const RecordTable& table);

// The table with a new round in it, and the round's place.
struct Standing {
    RecordTable table;
    std::optional<std::size_t> place;
};

// Adds the round to the user's stored table, while no other program changes it. A file that is not a table
// is set aside (renamed with DamagedSuffix), said in one line on errors, and a new table begins.
Standing keepRound(const platform::UserFiles& files, const Round& round, std::ostream& errors);

// The table as lines of the overlay, the round at place marked with a star at either end; "" when it is
// empty.
std::string recordLines(const RecordTable& table, std::optional<std::size_t> place);

}  // namespace FirstPerson
