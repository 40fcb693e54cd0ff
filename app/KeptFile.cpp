#include "app/KeptFile.h"

#include "app/AtomicFile.h"

#include <ini.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

namespace vantor::app {

namespace fs = std::filesystem;

namespace {

// Where inih stands in the lines, and the first value refused.
struct Parsing {
    const std::vector<std::string>* lines = nullptr;
    std::size_t next = 0; // the line handed out next
    const KeptFile::Take* take = nullptr;
    int refusedLine = 0;
    std::string refusedWhy;
};

// Hands inih one line a call, so that its line count is the file's.
char* ReadLine(char* buffer, int size, void* stream) {
    auto* parsing = static_cast<Parsing*>(stream);
    if (parsing->next >= parsing->lines->size()) {
        return nullptr;
    }
    const std::string& line = (*parsing->lines)[parsing->next++];
    const std::size_t length = std::min(line.size(), static_cast<std::size_t>(size) - 2);
    std::memcpy(buffer, line.data(), length);
    buffer[length] = '\n';
    buffer[length + 1] = '\0';
    return buffer;
}

int TakeValue(void* user, const char* section, const char* name, const char* value) {
    auto* parsing = static_cast<Parsing*>(user);
    const int line = static_cast<int>(parsing->next);
    std::string why;
    if ((*parsing->take)(section, name, value, line, why)) {
        return 1;
    }
    if (parsing->refusedLine == 0) {
        parsing->refusedLine = line;
        parsing->refusedWhy = why;
    }
    return 0;
}

} // namespace

bool KeptFile::Read(const std::string& path, std::string& text, bool& exists) {
    std::ifstream in(path, std::ios::binary);
    exists = static_cast<bool>(in);
    if (!exists) {
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::vector<std::string> KeptFile::Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

bool KeptFile::ParseIni(const std::vector<std::string>& lines, const Take& take, int& badLine,
                        std::string& why) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() > LongestLine || lines[i].find('\0') != std::string::npos) {
            badLine = static_cast<int>(i) + 1;
            why = lines[i].size() > LongestLine ? "the line is too long"
                                                : "the line holds a zero byte";
            return false;
        }
    }
    Parsing parsing;
    parsing.lines = &lines;
    parsing.take = &take;
    const int error = ini_parse_stream(ReadLine, &parsing, TakeValue, &parsing);
    if (error == 0) {
        return true;
    }
    // inih gives the first line it could not take; it is the refused value's only when no
    // line above it was no INI at all.
    badLine = error;
    why =
        error == parsing.refusedLine ? parsing.refusedWhy : "no section, no setting and no comment";
    return false;
}

bool KeptFile::PutAside(const std::string& path, std::string& error) {
    std::error_code renamed;
    fs::rename(path, path + ".bad", renamed);
    if (renamed) {
        error = renamed.message();
        return false;
    }
    return true;
}

bool KeptFile::Write(const std::string& path, std::string_view text, std::string& why) {
    std::error_code folderError;
    const fs::path folder = fs::path(path).parent_path();
    if (!folder.empty()) {
        fs::create_directories(folder, folderError);
    }
    if (folderError) {
        why = folderError.message();
        return false;
    }
    if (!AtomicFile::Write(path, text, why)) {
        return false;
    }
#ifdef __EMSCRIPTEN__
    // In the browser the file lies in memory until the page hands it to its storage.
    EM_ASM(FS.syncfs(
        false, function(error) {
            if (error) {
                console.warn("Vantor Game: a file could not be kept:", error);
            }
        }););
#endif
    return true;
}

} // namespace vantor::app
