#include "bench/TargetReport.h"

#include <algorithm>
#include <cstdio>
#include <iomanip>

namespace vantor::bench {

namespace {

constexpr double UpdatesPerSecondTarget = 5e6;
constexpr double RenderTimesReference = 6.0; // the busiest screen
constexpr double RenderMillisecondsLimit = 4.0;
constexpr double LoadTimesReference = 1.3;
constexpr double SoundMicrosecondsLimit = 2.0;

constexpr double LoadedAssets = 69;

// Each screen with the target it has of its own beside the busiest one's (0 for none), in times
// the full-screen copy.
struct ScreenTarget {
    const char* name;
    double timesCopy;
};
const ScreenTarget Screens[] = {{"Title", 0},       {"Play", 3}, {"PlaySecondWeapon", 0},
                                {"PlanetPanel", 5}, {"Menu", 0}, {"EndScreen", 5}};
// The ways of drawing the pictures with the processor, in the order they are measured.
const char* const Compositors[] = {"SdlRenderer", "SdlRleBlits", "PixmanCanvas"};
// The commands on a file the player already has open and decoded, which the target is for.
// The first play of each file is not among them: it is reported beside them as context.
const char* const OpenFileCommands[] = {"PlayWhilePlaying", "StopWhileStopped", "StartAndStop",
                                        "StartAndStopMusic", "EndScreenFrame"};

std::string Format(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Verdict(bool met) {
    return met ? "met" : "MISSED";
}

} // namespace

TargetReport::TargetReport() : benchmark::ConsoleReporter(OO_Tabular) {}

void TargetReport::ReportRuns(const std::vector<Run>& reports) {
    for (const Run& run : reports) {
        if (run.error_occurred) {
            failed[run.run_name.function_name] = run.error_message;
            continue;
        }
        const double toNanoseconds = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        Times times{run.GetAdjustedRealTime() * toNanoseconds,
                    run.GetAdjustedCPUTime() * toNanoseconds,
                    {}};
        for (const auto& [counterName, counter] : run.counters) {
            times.counters[counterName] = counter.value;
        }
        const auto units = run.counters.find("commands");
        if (units != run.counters.end() && units->second.value > 0) {
            times.real /= units->second.value;
            times.cpu /= units->second.value;
        }
        // The name without the arguments Google Benchmark appends (min_time and the like).
        const std::string& name = run.run_name.function_name;
        if (run.run_type == Run::RT_Aggregate) {
            if (run.aggregate_name == "median") {
                medians[name] = times;
                repetitions = std::max<int>(repetitions, static_cast<int>(run.repetitions));
            }
        } else {
            single[name] = times;
        }
    }
    ConsoleReporter::ReportRuns(reports);
}

TargetReport::Times TargetReport::Find(const std::string& name) const {
    if (const auto median = medians.find(name); median != medians.end()) {
        return median->second;
    }
    if (const auto run = single.find(name); run != single.end()) {
        return run->second;
    }
    return {};
}

double TargetReport::Counter(const std::string& name, const std::string& counter) const {
    const Times times = Find(name);
    const auto found = times.counters.find(counter);
    return found != times.counters.end() ? found->second : -1.0;
}

void TargetReport::AddUpdateRows(std::vector<Row>& rows) const {
    const double update = Cpu("Update/InPlay");
    if (update <= 0) {
        return;
    }
    const double perSecond = 1e9 / update;
    // How many of the updates had the ship under way and a torpedo in flight.
    const double inPlay = Counter("Update/InPlay", "in_play");
    rows.push_back({"Update in play", Format("%.1f M updates/s", perSecond / 1e6),
                    Format("%.1f ns each", update) +
                        (inPlay >= 0 ? Format(", %.0f%% in flight", inPlay * 100) : ""),
                    ">= 5 M updates/s", true, perSecond >= UpdatesPerSecondTarget});
}

void TargetReport::AddRenderRows(std::vector<Row>& rows) const {
    const double copy = Cpu("Render/Reference_FullScreenCopy");
    if (copy <= 0) {
        return;
    }
    rows.push_back({"Render: full-screen copy", Format("%.3f ms", copy / 1e6), "(reference)", "",
                    false, true});
    if (const double blended = Cpu("Render/Context_BlendedCopy"); blended > 0) {
        rows.push_back({"Render: the same copy, blended", Format("%.3f ms", blended / 1e6),
                        Format("%.2fx the copy", blended / copy), "", false, true});
    }
    double busiest = -1;
    std::string busiestName;
    int measured = 0;
    double mostTurned = -1;
    std::string mostTurnedName;
    for (const ScreenTarget& screen : Screens) {
        const std::string name = std::string("Render/") + screen.name;
        const double frame = Cpu(name);
        if (frame <= 0) {
            continue;
        }
        ++measured;
        const bool checked = screen.timesCopy > 0;
        rows.push_back({std::string("Render: ") + screen.name, Format("%.3f ms", frame / 1e6),
                        Format("%.2fx the copy", frame / copy),
                        checked ? Format("<= %.0fx the copy", screen.timesCopy) : "", checked,
                        !checked || frame <= screen.timesCopy * copy});
        if (frame > busiest) {
            busiest = frame;
            busiestName = screen.name;
        }
        const double turned = Counter(name, "turned_per_frame");
        if (turned > mostTurned) {
            mostTurned = turned;
            mostTurnedName = screen.name;
        }
    }
    if (busiest > 0) {
        const bool met =
            busiest <= RenderTimesReference * copy && busiest <= RenderMillisecondsLimit * 1e6;
        // With a benchmark filter fewer screens may have run; the label says of how many.
        rows.push_back({"Render: busiest of " + std::to_string(measured) + " (" + busiestName + ")",
                        Format("%.3f ms", busiest / 1e6), Format("%.2fx the copy", busiest / copy),
                        "<= 6x the copy, <= 4 ms", true, met});
    }
    if (mostTurned >= 0) {
        // A frame drawn as the one before, headings and all: no picture needs turning again.
        rows.push_back({"Render: turned again, steady frame", Format("%.2f a frame", mostTurned),
                        mostTurned > 0 ? "most: " + mostTurnedName : "on every screen", "0", true,
                        mostTurned == 0});
    }
    for (const char* compositor : Compositors) {
        const std::string name = std::string("Compositor/") + compositor;
        const double scene = Cpu(name);
        if (scene <= 0) {
            continue;
        }
        const double difference = Counter(name, "max_difference");
        const double share = Counter(name, "differing_share");
        rows.push_back({std::string("Compositor: ") + compositor, Format("%.3f ms", scene / 1e6),
                        Format("%.2fx the copy", scene / copy) +
                            (difference >= 0 ? Format(", off by <= %.0f", difference) +
                                                   Format(" in %.1f%%", share * 100)
                                             : std::string()),
                        "(context)", false, true});
    }
}

void TargetReport::AddLoadRows(std::vector<Row>& rows) const {
    const double decode = Cpu("Load/Reference_DecodeFiles");
    const double load = Cpu("Load/Level");
    if (decode <= 0 || load <= 0) {
        return;
    }
    const double files = Counter("Load/Reference_DecodeFiles", "files");
    const double assets = Counter("Load/Level", "assets");
    rows.push_back({Format("Load: decode %.0f files", files), Format("%.1f ms", decode / 1e6),
                    "(reference)", "", false, true});
    if (const double converted = Cpu("Load/Context_DecodeAndConvert"); converted > 0) {
        rows.push_back({"Load: decode, convert to ARGB", Format("%.1f ms", converted / 1e6),
                        Format("%.2fx the decoding", converted / decode), "", false, true});
    }
    // The target is for the whole level: a load that made fewer assets is no figure for it.
    const bool whole = assets == LoadedAssets;
    rows.push_back({Format("Load: %.0f assets", assets), Format("%.1f ms", load / 1e6),
                    Format("%.2fx the decoding", load / decode),
                    whole ? "<= 1.3x the decoding" : "<= 1.3x, all 69 assets", true,
                    whole && load <= LoadTimesReference * decode});
}

void TargetReport::AddSoundRows(std::vector<Row>& rows) const {
    const double parse = Real("Sound/Reference_Parse");
    if (parse > 0) {
        rows.push_back({"Sound: parse a command alone", Format("%.0f ns", parse), "(reference)", "",
                        false, true});
    }
    // Opening a file and decoding it ahead is done when the game starts; its first play still
    // finds the file just decoded, and is shown for what it costs, against no target.
    if (const double first = Real("Sound/FirstPlayOfEveryFile"); first > 0) {
        const double slowest = Counter("Sound/FirstPlayOfEveryFile", "slowest_ns");
        rows.push_back({"Sound: first play of each file", Format("%.2f us", first / 1e3),
                        slowest > 0 ? Format("slowest %.1f us", slowest / 1e3) : "",
                        "(context, no target)", false, true});
    }
    for (const char* kind : OpenFileCommands) {
        const double command = Real(std::string("Sound/") + kind);
        if (command <= 0) {
            continue;
        }
        rows.push_back({std::string("Sound: ") + kind, Format("%.3f us", command / 1e3),
                        parse > 0 ? Format("%.1fx the parse", command / parse) : "",
                        "<= 2 us (open file)", true, command <= SoundMicrosecondsLimit * 1e3});
    }
}

bool TargetReport::PrintSummary(std::ostream& out) const {
    std::vector<Row> rows;
    AddUpdateRows(rows);
    AddRenderRows(rows);
    AddLoadRows(rows);
    AddSoundRows(rows);
    if (rows.empty() && failed.empty()) {
        return true;
    }
    out << "\nFigures beside their targets ("
        << (repetitions > 1 ? "median of " + std::to_string(repetitions) + " repetitions"
                            : std::string("single runs"))
        << "; processor time, sound commands wall-clock):\n";
    bool allMet = true;
    for (const Row& row : rows) {
        out << "  " << std::left << std::setw(36) << row.what << ' ' << std::setw(18) << row.figure
            << ' ' << std::setw(28) << row.reference << ' ' << std::setw(24) << row.target << ' '
            << (row.checked ? Verdict(row.met) : "") << '\n';
        allMet = allMet && row.met;
    }
    // A benchmark that could not measure leaves its target unchecked, which is no pass.
    for (const auto& [name, message] : failed) {
        out << "  " << std::left << std::setw(36) << name << " FAILED: " << message << '\n';
        allMet = false;
    }
    return allMet;
}

} // namespace vantor::bench
