#include "app/RunRecords.h"

#include "app/RecordsFile.h"

#include <algorithm>
#include <cwchar>
#include <utility>

namespace vantor::app {

namespace {

std::wstring Widen(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// "2:05", or "1:02:05" past the hour.
std::wstring Duration(int seconds) {
    wchar_t text[32];
    if (seconds >= 3600) {
        std::swprintf(text, 32, L"%d:%02d:%02d", seconds / 3600, seconds / 60 % 60, seconds % 60);
    } else {
        std::swprintf(text, 32, L"%d:%02d", seconds / 60, seconds % 60);
    }
    return text;
}

// "victory", or "sector 9 of 15" for a run that did not win.
std::wstring Reached(const Records::Run& run) {
    if (run.result == Records::Result::Victory) {
        return L"victory";
    }
    return L"sector " + std::to_wstring(std::min(run.sector, 15)) + L" of 15";
}

std::wstring Figures(const Records::Run& run) {
    return Reached(run) + L"  \u00b7  " + std::to_wstring(run.kills) +
           (run.kills == 1 ? L" kill" : L" kills") + L"  \u00b7  " + Duration(run.seconds);
}

} // namespace

RunRecords::RunRecords(RecordsFile* file, Records records, std::function<std::time_t()> clock)
    : file(file), records(std::move(records)), clock(std::move(clock)) {}

void RunRecords::Frame(const game::LevelView& now) {
    if (now.playing && !now.gameOver) {
        if (!last.playing || last.gameOver) {
            // A new run: from the title, or straight after an end.
            framesPlayed = 0;
            counted = false;
            endLine.clear();
        }
        ++framesPlayed;
    }
    if (now.gameOver && !counted && now.playing) {
        Add(now.playerWon ? Records::Result::Victory : Records::Result::Defeat, now);
    }
    if (now.titleScreen) {
        endLine.clear();
    }
    last = now;
}

void RunRecords::Leave() {
    if (last.playing && !last.gameOver && !counted && last.sector > 1) {
        Add(Records::Result::Left, last);
    }
}

void RunRecords::Add(Records::Result result, const game::LevelView& level) {
    Records::Run run;
    run.date = Records::DateOf(clock());
    run.result = result;
    run.sector = std::clamp(level.sector, 1, 16);
    run.kills = std::clamp(level.kills, 0, Records::MostKills);
    run.rank = std::clamp(level.rank, 0, 2);
    run.weaponLevel = std::clamp(level.weaponLevel, 0, 2);
    run.seconds =
        static_cast<int>(std::min<int64_t>(framesPlayed / FramesPerSecond, Records::MostSeconds));
    const int place = records.Add(run);
    counted = true;
    if (file != nullptr) {
        file->Save(records);
    }
    endLine = L"This run: " + Figures(run);
    if (place == 0 && records.Runs().size() > 1) {
        endLine += L"  \u00b7  a new best!";
    }
}

std::wstring RunRecords::BestLine() const {
    if (records.Runs().empty()) {
        return {};
    }
    return L"Best run: " + Figures(records.Runs().front());
}

std::vector<std::wstring> RunRecords::ScreenLines() const {
    std::vector<std::wstring> lines;
    const std::span<const Records::Run> best = records.Best();
    if (best.empty()) {
        lines.emplace_back(L"No runs yet. A run is kept when it ends, or when you leave it");
        lines.emplace_back(L"after the first sector.");
        return lines;
    }
    int place = 1;
    for (const Records::Run& run : best) {
        std::wstring line = std::to_wstring(place++) + L".  ";
        if (run.result != Records::Result::Victory) {
            line += run.result == Records::Result::Defeat ? L"Defeat, " : L"Left, ";
        }
        line += Figures(run) + L"  \u00b7  rank " + std::to_wstring(run.rank) + L"  \u00b7  " +
                Widen(run.date);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace vantor::app
