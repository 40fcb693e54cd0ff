// The font finder on Windows: the family among the fonts Windows has installed, as the
// registry lists them, else the DejaVu Sans carried with the game.
#include "graphics/FontFinder.h"

#include <SDL.h>

#include <windows.h>

#include <cctype>
#include <string>

namespace vantor::graphics {

namespace {

// "Arial (TrueType)" names the regular face of the family "Arial".
bool NamesFamily(const std::string& valueName, const char* family) {
    std::size_t length = 0;
    for (; family[length] != '\0'; ++length) {
        if (length >= valueName.size() ||
            std::tolower(static_cast<unsigned char>(valueName[length])) !=
                std::tolower(static_cast<unsigned char>(family[length]))) {
            return false;
        }
    }
    return valueName.compare(length, std::string::npos, " (TrueType)") == 0 ||
           valueName.compare(length, std::string::npos, " (OpenType)") == 0;
}

std::string InstalledFont(const char* family) {
    HKEY fonts = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Fonts",
                      0, KEY_READ, &fonts) != ERROR_SUCCESS) {
        return {};
    }
    std::string file;
    for (DWORD index = 0;; ++index) {
        char name[512];
        DWORD nameLength = sizeof name;
        BYTE data[MAX_PATH];
        DWORD dataLength = sizeof data - 1;
        DWORD type = 0;
        if (RegEnumValueA(fonts, index, name, &nameLength, nullptr, &type, data, &dataLength) !=
            ERROR_SUCCESS) {
            break;
        }
        if (type == REG_SZ && NamesFamily(std::string(name, nameLength), family)) {
            data[dataLength] = '\0';
            file = reinterpret_cast<const char*>(data);
            break;
        }
    }
    RegCloseKey(fonts);
    // A bare file name lies in the Windows fonts folder.
    if (!file.empty() && file.find_first_of("\\/") == std::string::npos) {
        char windows[MAX_PATH];
        const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return {};
        }
        file = std::string(windows) + "\\Fonts\\" + file;
    }
    return file;
}

} // namespace

std::string FontFinder::Find(const char* family, int& faceIndex) {
    faceIndex = 0;
    if (family != nullptr && family[0] != '\0') {
        const std::string installed = InstalledFont(family);
        if (!installed.empty() &&
            GetFileAttributesA(installed.c_str()) != INVALID_FILE_ATTRIBUTES) {
            return installed;
        }
    }
    return CarriedFont();
}

} // namespace vantor::graphics
