#include "app/RecordsFile.h"

#include "app/KeptFile.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <utility>
#include <vector>

namespace vantor::app {

namespace {

using Run = Records::Run;

// The figures of a run, in the order a file lists them.
enum Figure { Date, Result, Sector, Kills, Rank, WeaponLevel, Seconds, FigureCount };
constexpr const char* Names[FigureCount] = {"date", "result",       "sector", "kills",
                                            "rank", "weapon_level", "seconds"};

// A whole number written plainly, at most max.
bool ReadNumber(std::string_view text, int max, int& number) {
    if (text.empty() || text.size() > 10) {
        return false;
    }
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    if (value > max) {
        return false;
    }
    number = static_cast<int>(value);
    return true;
}

// A run as the file gives it, figure by figure.
struct Given {
    std::string section;
    int line = 0; // of its first figure
    Run run;
    bool figures[FigureCount] = {};
};

bool TakeFigure(Given& given, int figure, const char* value, std::string& why) {
    Run& run = given.run;
    bool read = true;
    switch (figure) {
    case Date:
        run.date = value;
        break;
    case Result:
        read = Records::ResultOf(value, run.result);
        break;
    case Sector:
        read = ReadNumber(value, 16, run.sector);
        break;
    case Kills:
        read = ReadNumber(value, Records::MostKills, run.kills);
        break;
    case Rank:
        read = ReadNumber(value, 2, run.rank);
        break;
    case WeaponLevel:
        read = ReadNumber(value, 2, run.weaponLevel);
        break;
    default:
        read = ReadNumber(value, Records::MostSeconds, run.seconds);
        break;
    }
    if (!read) {
        why = std::string("\"") + value + "\" is no value for " + Names[figure];
    }
    return read;
}

// A section of a run: "run" and its number.
bool IsRunSection(std::string_view section) {
    constexpr std::string_view Run = "run ";
    if (section.size() <= Run.size() || section.size() > Run.size() + 9 ||
        section.substr(0, Run.size()) != Run) {
        return false;
    }
    for (char c : section.substr(Run.size())) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

} // namespace

RecordsFile::RecordsFile(std::string path) : path(std::move(path)) {}

bool RecordsFile::Parse(const std::string& text, Records& records, int& badLine, std::string& why) {
    std::vector<Given> runs;
    const KeptFile::Take take = [&runs](const char* section, const char* name, const char* value,
                                        int line, std::string& refused) {
        if (!IsRunSection(section)) {
            refused = std::string("\"") + name + "\" is not in a [run N] section";
            return false;
        }
        if (runs.empty() || runs.back().section != section) {
            Given next;
            next.section = section;
            next.line = line;
            runs.push_back(std::move(next));
        }
        Given& given = runs.back();
        for (int figure = 0; figure < FigureCount; ++figure) {
            if (std::strcmp(name, Names[figure]) != 0) {
                continue;
            }
            if (given.figures[figure]) {
                refused = std::string(Names[figure]) + " is given twice";
                return false;
            }
            given.figures[figure] = true;
            return TakeFigure(given, figure, value, refused);
        }
        return true; // a figure of a later game: passed over
    };
    if (!KeptFile::ParseIni(KeptFile::Lines(text), take, badLine, why)) {
        return false;
    }
    Records read;
    for (const Given& given : runs) {
        for (int figure = 0; figure < FigureCount; ++figure) {
            if (!given.figures[figure]) {
                badLine = given.line;
                why = "[" + given.section + "] has no " + Names[figure];
                return false;
            }
        }
        if (!Records::IsRun(given.run, why)) {
            badLine = given.line;
            why = "[" + given.section + "]: " + why;
            return false;
        }
        read.Add(given.run);
    }
    records = std::move(read);
    return true;
}

std::string RecordsFile::Text(const Records& records) {
    std::string text =
        "# Vantor Game records: the best runs, best first. The game keeps the best " +
        std::to_string(Records::Kept) + "\n# and writes this file whole after every run.\n";
    int number = 0;
    for (const Run& run : records.Runs()) {
        text += "\n[run " + std::to_string(++number) + "]\n";
        text += "date = " + run.date + "\n";
        text += "result = " + std::string(Records::Word(run.result)) + "\n";
        text += "sector = " + std::to_string(run.sector) + "\n";
        text += "kills = " + std::to_string(run.kills) + "\n";
        text += "rank = " + std::to_string(run.rank) + "\n";
        text += "weapon_level = " + std::to_string(run.weaponLevel) + "\n";
        text += "seconds = " + std::to_string(run.seconds) + "\n";
    }
    return text;
}

Records RecordsFile::Load() {
    problem.clear();
    const std::string name = std::filesystem::path(path).filename().string();
    std::string text;
    bool exists = false;
    if (!KeptFile::Read(path, text, exists)) {
        if (exists) {
            std::fprintf(stderr, "vantor-game: cannot read %s; the records start empty\n",
                         path.c_str());
            problem = name + " could not be read: the records start empty";
        }
        return {};
    }
    Records records;
    int badLine = 0;
    std::string why;
    if (Parse(text, records, badLine, why)) {
        return records;
    }
    // Kept for the player to look at; the next Save writes a new file.
    std::fprintf(stderr,
                 "vantor-game: %s:%d: cannot read the records (%s); they start empty, the file "
                 "is kept as %s.bad\n",
                 path.c_str(), badLine, why.c_str(), path.c_str());
    problem = name + " could not be read (line " + std::to_string(badLine) +
              "): the records start empty, the file is kept as " + name + ".bad";
    if (std::string error; !KeptFile::PutAside(path, error)) {
        std::fprintf(stderr, "vantor-game: cannot keep %s as %s.bad: %s\n", path.c_str(),
                     path.c_str(), error.c_str());
    }
    return {};
}

bool RecordsFile::Save(const Records& records) {
    std::string why;
    if (KeptFile::Write(path, Text(records), why)) {
        return true;
    }
    if (!toldUnwritable) {
        toldUnwritable = true;
        std::fprintf(stderr, "vantor-game: cannot write %s (%s); the records will not be kept\n",
                     path.c_str(), why.c_str());
    }
    return false;
}

} // namespace vantor::app
