#include "firstperson/records.h"

#include <toml++/toml.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <sstream>

#include "app/toml_number.h"
#include "platform/user_files.h"

namespace FirstPerson {

namespace {

bool better(const Round& a, const Round& b) {
    if (a.score != b.score) {
        return a.score > b.score;
    }
    if (a.shots != b.shots) {
        return a.shots < b.shots;
    }
    return a.ended < b.ended;
}

// Days since 1970-01-01 of a civil date, and back (proleptic Gregorian calendar).
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

toml::date_time dateTime(std::int64_t seconds) {
    std::int64_t days = seconds / 86400;
    std::int64_t rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto doe = static_cast<unsigned>(days - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0);
    const toml::date date{static_cast<int>(y), m, d};
    const toml::time time{static_cast<unsigned>(rest / 3600), static_cast<unsigned>(rest / 60 % 60),
                          static_cast<unsigned>(rest % 60)};
    return toml::date_time{date, time, toml::time_offset{}};
}

std::int64_t seconds(const toml::date_time& when) {
    const std::int64_t days = daysFromCivil(when.date.year, when.date.month, when.date.day);
    const std::int64_t offset = when.offset ? when.offset->minutes * 60 : 0;
    return days * 86400 + when.time.hour * 3600 + when.time.minute * 60 + when.time.second - offset;
}

}  // namespace

std::optional<std::size_t> RecordTable::add(const Round& round) {
    const auto place = std::upper_bound(rounds_.begin(), rounds_.end(), round, better);
    const auto index = static_cast<std::size_t>(place - rounds_.begin());
    if (index >= Kept) {
        return std::nullopt;
    }
    rounds_.insert(place, round);
    if (rounds_.size() > Kept) {
        rounds_.pop_back();
    }
    return index;
}

std::optional<RecordTable> parseRecords(std::string_view text) {
    toml::table file;
    try {
        file = toml::parse(text);
    } catch (const toml::parse_error&) {
        return std::nullopt;
    }
    RecordTable table;
    const toml::node* rounds = file.get("round");
    if (rounds == nullptr) {
        return table;
    }
    if (!rounds->is_array_of_tables()) {
        return std::nullopt;
    }
    for (const toml::node& node : *rounds->as_array()) {
        const toml::table& entry = *node.as_table();
        const std::optional<std::int64_t> score = entry["score"].value<std::int64_t>();
        const std::optional<std::int64_t> shots = entry["shots"].value<std::int64_t>();
        const std::optional<double> pace = entry["points_per_second"].value<double>();
        const std::optional<toml::date_time> ended = entry["date"].value<toml::date_time>();
        if (!score || !shots || !pace || !ended || *score < 0 || *shots < 0 || *score > UINT32_MAX ||
            *shots > UINT32_MAX || !(*pace >= 0)) {
            return std::nullopt;
        }
        table.add(
            {static_cast<std::uint32_t>(*score), static_cast<std::uint32_t>(*shots), *pace, seconds(*ended)});
    }
    return table;
}

std::string formatRecords(const RecordTable& table) {
    // Written by hand rather than by toml++, whose numbers carry every digit of the double.
    std::string text = "# The best rounds of Studio 3D first-person combat, best first.\n";
    char line[64];
    for (const Round& round : table.rounds()) {
        const toml::date_time when = dateTime(round.ended);
        std::snprintf(line, sizeof line, "%04d-%02u-%02uT%02u:%02u:%02uZ", when.date.year, when.date.month,
                      when.date.day, when.time.hour, when.time.minute, when.time.second);
        text += "\n[[round]]\nscore = " + std::to_string(round.score) +
                "\nshots = " + std::to_string(round.shots) +
                "\npoints_per_second = " + tomlNumber(round.pointsPerSecond) + "\ndate = " + line + "\n";
    }
    return text;
}

Standing keepRound(const platform::UserFiles& files, const Round& round, std::ostream& errors) {
    Standing standing;
    const auto addRound = [&](const std::optional<std::string>& text) -> std::optional<std::string> {
        standing = {};
        if (text) {
            if (std::optional<RecordTable> stored = parseRecords(*text)) {
                standing.table = std::move(*stored);
            } else {
                const std::string where = files.where(RecordsFileName);
                const bool setAside = files.setAside(RecordsFileName, DamagedSuffix);
                errors << where << ": not a record table; "
                       << (setAside ? "set aside as " + where + std::string(DamagedSuffix)
                                    : "could not be set aside")
                       << ", a new table begins" << std::endl;
            }
        }
        standing.place = standing.table.add(round);
        return formatRecords(standing.table);
    };
    if (!files.update(RecordsFileName, addRound)) {
        errors << files.where(RecordsFileName) << ": could not be written; the round is not kept"
               << std::endl;
    }
    return standing;
}

std::string recordLines(const RecordTable& table, std::optional<std::size_t> place) {
    std::string lines;
    char line[96];
    for (std::size_t i = 0; i < table.rounds().size(); ++i) {
        const Round& round = table.rounds()[i];
        const toml::date_time when = dateTime(round.ended);
        std::snprintf(line, sizeof line, "%s%2zu. %6u  %5u shots  %6.2f /s  %04d-%02u-%02u%s\n",
                      place == i ? "* " : "  ", i + 1, round.score, round.shots, round.pointsPerSecond,
                      when.date.year, when.date.month, when.date.day, place == i ? " *" : "  ");
        lines += line;
    }
    return lines;
}

}  // namespace FirstPerson
