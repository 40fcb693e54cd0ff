#pragma once

#include <string>
#include <utility>

namespace vantor::tools {

// The folder the generators write into, and the one way they report trouble with it or with a
// file in it: every message goes to stderr as "who: what", so that a failed run says which
// part of the generator failed.
class AssetFolder {
public:
    AssetFolder(std::string who, std::string dir) : who(std::move(who)), dir(std::move(dir)) {}

    // Creates the folder, and those above it, where they are missing. False, after saying why,
    // when it cannot.
    bool Create() const;
    // True when the folder is there; false, after saying so, when it is not.
    bool Exists() const;

    std::string Path(const std::string& file) const { return dir + "/" + file; }

    // Prints "who: message" to stderr.
    void Report(const std::string& message) const;

private:
    std::string who;
    std::string dir;
};

} // namespace vantor::tools
