#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A copy of the generated asset folder in a fresh temporary folder, for a test to break files
// in. Removed with everything in it when the object goes away.
class TempAssets {
public:
    TempAssets();
    ~TempAssets();
    TempAssets(const TempAssets&) = delete;
    TempAssets& operator=(const TempAssets&) = delete;

    const std::string& Dir() const { return dir; }
    std::string Path(const std::string& name) const;

    // Puts these bytes in place of the file, or takes the file away.
    void Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
    void Remove(const std::string& name) const;
    // Brings the file back as the build generated it.
    void Restore(const std::string& name) const;

    // The generated asset folder itself, and one of its files.
    static std::string SourceDir();
    static std::string Original(const std::string& name);
    static std::vector<uint8_t> ReadOriginal(const std::string& name);
    static std::vector<uint8_t> ReadFile(const std::string& path);

private:
    std::string dir;
};
