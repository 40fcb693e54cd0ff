#include "app/Replay.h"

#include <array>

namespace vantor::app {

namespace {

constexpr std::array<std::string_view, Replay::KindCount> Words = {
    "left", "right", "planet", "enter", "menu-key", "menu-action"};

} // namespace

std::string_view Replay::Word(Kind kind) {
    return Words[static_cast<std::size_t>(kind)];
}

bool Replay::KindOf(std::string_view word, Kind& kind) {
    for (std::size_t k = 0; k < Words.size(); ++k) {
        if (Words[k] == word) {
            kind = static_cast<Kind>(k);
            return true;
        }
    }
    return false;
}

int Replay::Arguments(Kind kind) {
    return kind == Kind::Left || kind == Kind::Right ? 2 : 1;
}

bool Replay::Fits(const Call& call, std::string& why) {
    switch (call.kind) {
    case Kind::Left:
    case Kind::Right:
        if (call.a < 0 || call.a >= GameWidth || call.b < 0 || call.b >= GameHeight) {
            why = "a click outside the game picture (0 to 1023, 0 to 767)";
            return false;
        }
        return true;
    case Kind::Planet:
        if (call.a < 1 || call.a > 3) {
            why = "a planet choice other than 1 to 3";
            return false;
        }
        break;
    case Kind::MenuAction:
        if (call.a < 4 || call.a > 6) {
            why = "an engineering action other than 4 to 6";
            return false;
        }
        break;
    case Kind::Enter:
    case Kind::MenuKey:
        if (call.a != 0 && call.a != 1) {
            why = std::string(Word(call.kind)) + " with other than 0 or 1";
            return false;
        }
        break;
    }
    if (call.b != 0) {
        why = std::string(Word(call.kind)) + " with a second number";
        return false;
    }
    return true;
}

bool Replay::IsVersion(std::string_view version) {
    if (version.empty() || version.size() > LongestVersion) {
        return false;
    }
    for (char c : version) {
        const bool fits = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
                          (c >= 'A' && c <= 'Z') || c == '.' || c == '+' || c == '-' || c == '~' ||
                          c == '_';
        if (!fits) {
            return false;
        }
    }
    return true;
}

bool Replay::Order::TakeCall(uint32_t update, std::string& why) {
    if (ended) {
        why = "a call after the end";
        return false;
    }
    if (update < last) {
        why = "the update number goes back from " + std::to_string(last);
        return false;
    }
    if (update > MostUpdates) {
        why = "more than " + std::to_string(MostUpdates) + " updates";
        return false;
    }
    if (update >= nextCheckpoint) {
        why = "no checkpoint after update " + std::to_string(nextCheckpoint);
        return false;
    }
    if (calls == MostCalls) {
        why = "more than " + std::to_string(MostCalls) + " calls";
        return false;
    }
    ++calls;
    last = update;
    return true;
}

bool Replay::Order::TakeCheckpoint(uint32_t update, std::string& why) {
    if (ended) {
        why = "a checkpoint after the end";
        return false;
    }
    if (update != nextCheckpoint) {
        why = "a checkpoint after update " + std::to_string(update) + " where the next is after " +
              std::to_string(nextCheckpoint);
        return false;
    }
    if (update > MostUpdates) {
        why = "more than " + std::to_string(MostUpdates) + " updates";
        return false;
    }
    // Every call so far came before this update: a later one would have found the
    // checkpoint missing.
    last = update;
    nextCheckpoint += CheckpointEvery;
    return true;
}

bool Replay::Order::TakeEnd(uint32_t updates, std::string& why) {
    if (ended) {
        why = "a second end";
        return false;
    }
    if (updates < last) {
        why = "the end after " + std::to_string(updates) + " updates comes after update " +
              std::to_string(last);
        return false;
    }
    if (updates > MostUpdates) {
        why = "more than " + std::to_string(MostUpdates) + " updates";
        return false;
    }
    if (updates >= nextCheckpoint) {
        why = "no checkpoint after update " + std::to_string(nextCheckpoint);
        return false;
    }
    last = updates;
    ended = true;
    return true;
}

} // namespace vantor::app
