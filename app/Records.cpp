#include "app/Records.h"

#include "app/LocalTime.h"

#include <algorithm>
#include <array>

namespace vantor::app {

namespace {

constexpr std::array<std::string_view, 3> Words = {"victory", "defeat", "left"};

bool Digits(std::string_view text, std::size_t from, std::size_t count, int low, int high) {
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value >= low && value <= high;
}

} // namespace

bool Records::Better(const Run& a, const Run& b) {
    const bool aWon = a.result == Result::Victory;
    const bool bWon = b.result == Result::Victory;
    if (aWon != bWon) {
        return aWon;
    }
    if (a.sector != b.sector) {
        return a.sector > b.sector;
    }
    if (a.kills != b.kills) {
        return a.kills > b.kills;
    }
    return a.seconds < b.seconds;
}

int Records::Add(const Run& run) {
    // After every run as good, so that the earlier of two equal runs stays ahead.
    const auto place = std::upper_bound(runs.begin(), runs.end(), run, Better);
    const auto index = place - runs.begin();
    if (static_cast<std::size_t>(index) >= Kept) {
        return -1;
    }
    runs.insert(place, run);
    if (runs.size() > Kept) {
        runs.pop_back();
    }
    return static_cast<int>(index);
}

std::span<const Records::Run> Records::Best(std::size_t count) const {
    return std::span<const Run>(runs).first(std::min(count, runs.size()));
}

std::string Records::DateOf(std::time_t time) {
    const std::tm local = LocalTime(time);
    char text[32];
    if (std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local) == 0) {
        return "";
    }
    return text;
}

bool Records::IsRun(const Run& run, std::string& why) {
    const std::string_view date = run.date;
    // YYYY-MM-DD HH:MM
    const bool dated = date.size() == 16 && date[4] == '-' && date[7] == '-' && date[10] == ' ' &&
                       date[13] == ':' && Digits(date, 0, 4, 1970, 9999) &&
                       Digits(date, 5, 2, 1, 12) && Digits(date, 8, 2, 1, 31) &&
                       Digits(date, 11, 2, 0, 23) && Digits(date, 14, 2, 0, 59);
    if (!dated) {
        why = "the date is not written YYYY-MM-DD HH:MM";
    } else if (run.sector < 1 || run.sector > 16) {
        why = "the sector is not 1 to 16";
    } else if (run.kills < 0 || run.kills > MostKills) {
        why = "the kills are not 0 to " + std::to_string(MostKills);
    } else if (run.rank < 0 || run.rank > 2) {
        why = "the rank is not 0 to 2";
    } else if (run.weaponLevel < 0 || run.weaponLevel > 2) {
        why = "the weapon level is not 0 to 2";
    } else if (run.seconds < 0 || run.seconds > MostSeconds) {
        why = "the time is not 0 to " + std::to_string(MostSeconds) + " seconds";
    } else {
        return true;
    }
    return false;
}

std::string_view Records::Word(Result result) {
    return Words[static_cast<std::size_t>(result)];
}

bool Records::ResultOf(std::string_view word, Result& result) {
    for (std::size_t i = 0; i < Words.size(); ++i) {
        if (Words[i] == word) {
            result = static_cast<Result>(i);
            return true;
        }
    }
    return false;
}

} // namespace vantor::app
