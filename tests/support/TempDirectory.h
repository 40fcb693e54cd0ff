#pragma once

#include <string>

namespace vantor::test {

// A fresh directory under the system's temporary directory, removed with everything in it
// when the object goes away.
class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    // The directory's full path.
    const std::string& Path() const { return root; }
    // The full path of a file named name inside the directory.
    std::string File(const std::string& name) const;

private:
    std::string root;
};

} // namespace vantor::test
