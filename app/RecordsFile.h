#pragma once

#include "app/Records.h"

#include <string>

namespace vantor::app {

// The records kept between runs, as an INI file in the game's data folder that a player may
// read: a [run N] section a run, best first, each with its date, result, sector, kills, rank,
// weapon_level and seconds. Reading is done by inih (KeptFile); the file is always written
// whole and atomically, so that a reader sees the old records or the new, never half.
//
// Owns nothing but its path and what it says; one thread at a time.
class RecordsFile {
public:
    explicit RecordsFile(std::string path);

    // The records the file holds; none when there is no file. A file that cannot be read as
    // records (its syntax, a run without one of its figures or with one out of its range, a
    // figure given twice, a setting outside a run) gives none: the game says on stderr which
    // file and line, and moves the file aside as <name>.bad, where the player can look at it;
    // the next Save writes a new one. A setting the game does not know is passed over.
    Records Load();
    // What went wrong with the file at the last Load, in one short line for the screen; empty
    // when nothing did.
    const std::string& Problem() const { return problem; }

    // Writes every run of the records, the folder made when it is missing. False when the
    // file cannot be written; the first time, the game says so on stderr.
    bool Save(const Records& records);

    const std::string& Path() const { return path; }

    // The text of a file holding the records, as Save writes it.
    static std::string Text(const Records& records);
    // Reads the text. False, with the first line (from 1) that cannot be read and why, when it
    // is no records file; the records are then as they were.
    static bool Parse(const std::string& text, Records& records, int& badLine, std::string& why);

private:
    std::string path;
    std::string problem;
    bool toldUnwritable = false;
};

} // namespace vantor::app
