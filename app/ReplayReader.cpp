#include "app/ReplayReader.h"

#include "game/LevelDigest.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

namespace vantor::app {

namespace {

// A word of the file as a message may show it: printable, and short.
std::string Shown(std::string_view word) {
    constexpr std::size_t Longest = 24;
    std::string shown;
    for (char c : word.substr(0, Longest)) {
        shown += c >= ' ' && c <= '~' ? c : '?';
    }
    if (word.size() > Longest) {
        shown += "...";
    }
    return shown;
}

// The text between single quotes. Built by appending: gcc 12 warns wrongly (-Wrestrict) on a
// literal added before a temporary string.
std::string Quoted(std::string_view text) {
    std::string quoted(1, '\'');
    quoted += text;
    quoted += '\'';
    return quoted;
}

// A whole number written plainly in decimal digits, at most `highest`.
bool Number(std::string_view word, uint64_t highest, uint64_t& value) {
    if (word.empty() || word.size() > 10) {
        return false;
    }
    uint64_t read = 0;
    for (char c : word) {
        if (c < '0' || c > '9') {
            return false;
        }
        read = read * 10 + static_cast<uint64_t>(c - '0');
    }
    if (read > highest) {
        return false;
    }
    value = read;
    return true;
}

// The words of a line, parted by single spaces. False when a space stands at either end or
// next to another (count 0), or when there are more than Most words (count Most).
constexpr std::size_t Most = 4;
bool Words(std::string_view line, std::string_view (&words)[Most], std::size_t& count) {
    count = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t space = line.find(' ', start);
        const std::string_view word = line.substr(start, space - start);
        if (word.empty()) {
            count = 0;
            return false;
        }
        if (count == Most) {
            return false;
        }
        words[count++] = word;
        if (space == std::string_view::npos) {
            return true;
        }
        start = space + 1;
    }
}

// Takes the file a line at a time.
class Parser {
public:
    explicit Parser(Replay& replay) : replay(replay) {}

    // One line without its '\n'. False once the file is known to be no replay.
    bool Line(std::string_view line);
    // The end of the bytes: whether what came was a whole replay.
    bool End(bool cutLine);
    const std::string& Problem() const { return problem; }
    int LineNumber() const { return number; }

private:
    bool Fail(std::string why) {
        problem = "line " + std::to_string(number) + ": " + std::move(why);
        return false;
    }
    bool First(std::string_view line);
    bool Header(std::string_view line, std::string_view key, std::string_view& value);
    bool Record(std::string_view line);

    Replay& replay;
    Replay::Order order;
    int number = 0;
    std::string problem;
};

bool Parser::Line(std::string_view line) {
    ++number;
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    if (line.size() > Replay::LongestLine) {
        return Fail("longer than " + std::to_string(Replay::LongestLine) + " characters");
    }
    if (order.Ended()) {
        return Fail("something after the end line");
    }
    switch (number) {
    case 1:
        return First(line);
    case 2: {
        std::string_view version;
        if (!Header(line, "game", version)) {
            return false;
        }
        if (!Replay::IsVersion(version)) {
            return Fail(Quoted(Shown(version)) + " is no game version");
        }
        replay.gameVersion = version;
        return true;
    }
    case 3: {
        std::string_view seed;
        uint64_t value = 0;
        if (!Header(line, "seed", seed)) {
            return false;
        }
        if (!Number(seed, UINT32_MAX, value)) {
            return Fail("the seed '" + Shown(seed) + "' is no number from 0 to 4294967295");
        }
        replay.seed = static_cast<uint32_t>(value);
        return true;
    }
    default:
        return Record(line);
    }
}

bool Parser::First(std::string_view line) {
    const std::string expected =
        std::string(Replay::FormatName) + " " + std::to_string(Replay::FormatVersion);
    std::string_view words[Most];
    std::size_t count = 0;
    uint64_t version = 0;
    if (Words(line, words, count) && count == 2 && words[0] == Replay::FormatName &&
        Number(words[1], UINT32_MAX, version)) {
        if (version == Replay::FormatVersion) {
            return true;
        }
        problem = "wrong version " + std::string(words[1]) + " (this game reads " +
                  std::to_string(Replay::FormatVersion) + ")";
        return false;
    }
    problem = "not a replay: the first line is not '" + expected + "'";
    return false;
}

bool Parser::Header(std::string_view line, std::string_view key, std::string_view& value) {
    std::string_view words[Most];
    std::size_t count = 0;
    if (!Words(line, words, count) || count != 2 || words[0] != key) {
        return Fail(Quoted(key) + " and its value expected");
    }
    value = words[1];
    return true;
}

bool Parser::Record(std::string_view line) {
    if (line.empty()) {
        return Fail("an empty line");
    }
    std::string_view words[Most];
    std::size_t count = 0;
    if (!Words(line, words, count)) {
        return Fail(count == Most ? "too many words" : "words must be parted by one space");
    }
    uint64_t update = 0;
    if (!Number(words[0], Replay::MostUpdates, update)) {
        return Fail(Quoted(Shown(words[0])) + " is no update number from 0 to " +
                    std::to_string(Replay::MostUpdates));
    }
    if (count < 2) {
        return Fail("a number and nothing after it");
    }
    const std::string_view word = words[1];
    std::string why;
    const auto when = static_cast<uint32_t>(update);
    if (word == "check" || word == "end") {
        uint64_t digest = 0;
        if (count != 3 || !game::LevelDigest::FromHex(words[2], digest)) {
            return Fail(Quoted(word) + " takes a digest of 16 lowercase hex digits");
        }
        if (word == "check") {
            if (!order.TakeCheckpoint(when, why)) {
                return Fail(why);
            }
            replay.checkpoints.push_back({when, digest});
            return true;
        }
        if (!order.TakeEnd(when, why)) {
            return Fail(why);
        }
        replay.updates = when;
        replay.finalDigest = digest;
        return true;
    }
    Replay::Kind kind{};
    if (!Replay::KindOf(word, kind)) {
        return Fail("unknown call '" + Shown(word) + "'");
    }
    const int arguments = Replay::Arguments(kind);
    if (count != static_cast<std::size_t>(2 + arguments)) {
        return Fail(Quoted(word) + " takes " + std::to_string(arguments) +
                    (arguments == 1 ? " number" : " numbers"));
    }
    uint64_t values[2] = {0, 0};
    for (int i = 0; i < arguments; ++i) {
        // Larger numbers than any call takes are refused below by Fits; these fit its fields.
        if (!Number(words[2 + i], INT16_MAX, values[i])) {
            return Fail(Quoted(Shown(words[2 + i])) + " is no number " + std::string(word) +
                        " takes");
        }
    }
    const Replay::Call call{when, kind, static_cast<int16_t>(values[0]),
                            static_cast<int16_t>(values[1])};
    if (!Replay::Fits(call, why) || !order.TakeCall(when, why)) {
        return Fail(why);
    }
    replay.calls.push_back(call);
    return true;
}

bool Parser::End(bool cutLine) {
    if (!problem.empty()) {
        return false;
    }
    if (cutLine) {
        problem = "truncated: line " + std::to_string(number + 1) + " is cut short";
        return false;
    }
    if (number == 0) {
        problem = "not a replay: the file is empty";
        return false;
    }
    if (!order.Ended()) {
        problem = "truncated: no end line";
        return false;
    }
    return true;
}

// Gathers lines from pieces of the bytes and hands each whole line to the parser, refusing a
// line that grows too long before it is all there.
class Lines {
public:
    explicit Lines(Parser& parser) : parser(parser) {}

    bool Take(std::string_view bytes) {
        while (!bytes.empty()) {
            const std::size_t end = bytes.find('\n');
            const std::string_view piece = bytes.substr(0, end);
            // Longer than the longest line and a '\r': the parser is given enough of it to
            // refuse it, and the rest is never kept.
            if (line.size() + piece.size() > Replay::LongestLine + 1) {
                line.append(piece.substr(0, Replay::LongestLine + 2 - line.size()));
                parser.Line(line);
                return false;
            }
            line.append(piece);
            if (end == std::string_view::npos) {
                return true;
            }
            if (!parser.Line(line)) {
                return false;
            }
            line.clear();
            bytes.remove_prefix(end + 1);
        }
        return true;
    }
    bool End() { return parser.End(!line.empty()); }

private:
    Parser& parser;
    std::string line;
};

bool Finish(bool read, const Parser& parser, Replay& into, Replay&& replay, std::string& problem) {
    if (!read) {
        problem = parser.Problem();
        return false;
    }
    into = std::move(replay);
    return true;
}

} // namespace

bool ReplayReader::ReadText(std::string_view text, Replay& replay, std::string& problem) {
    Replay read;
    Parser parser(read);
    Lines lines(parser);
    const bool whole = lines.Take(text) && lines.End();
    return Finish(whole, parser, replay, std::move(read), problem);
}

bool ReplayReader::ReadFile(const std::string& path, Replay& replay, std::string& problem) {
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    const std::unique_ptr<std::FILE, Closer> file(std::fopen(path.c_str(), "rb"));
    if (file == nullptr) {
        problem = std::string("cannot open: ") + std::strerror(errno);
        return false;
    }
    Replay read;
    Parser parser(read);
    Lines lines(parser);
    char buffer[1 << 16];
    bool whole = true;
    for (;;) {
        const std::size_t got = std::fread(buffer, 1, sizeof buffer, file.get());
        if (got > 0 && !lines.Take(std::string_view(buffer, got))) {
            whole = false;
            break;
        }
        if (got < sizeof buffer) {
            break;
        }
    }
    if (whole && std::ferror(file.get()) != 0) {
        problem = std::string("cannot read: ") + std::strerror(errno);
        return false;
    }
    whole = whole && lines.End();
    return Finish(whole, parser, replay, std::move(read), problem);
}

} // namespace vantor::app
