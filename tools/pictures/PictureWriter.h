#pragma once

#include "tools/AssetFolder.h"
#include "tools/pictures/Canvas.h"

#include <string>

namespace vantor::tools::pictures {

// Writes canvases into the asset folder as BMP, PNG or JPEG files. A failure is printed
// to stderr and remembered, and the remaining files are still written.
class PictureWriter {
public:
    explicit PictureWriter(std::string dir) : folder("pictures", std::move(dir)) {}

    // 24-bit BMP, laid over black.
    void Bmp(const std::string& name, const Canvas& canvas);
    // 24-bit BMP for drawing through a colour key: the transparent part becomes exactly the
    // key colour and every other pixel is moved, where needed, just far enough from the key
    // that the key cannot remove it.
    void KeyedBmp(const std::string& name, const Canvas& canvas, const Colour& key);
    // 32-bit PNG with the canvas's alpha.
    void Png(const std::string& name, const Canvas& canvas);
    // Baseline JPEG, laid over black.
    void Jpg(const std::string& name, const Canvas& canvas, int quality = 85);

    // The colour as written next to the key: unchanged when some channel already differs
    // from the key's by more than the key's reach, otherwise pushed out along the channel that
    // needs the smallest change. Channels are 0..255.
    static void MoveOutOfKey(int& r, int& g, int& b, const Colour& key);

    bool ok = true;

private:
    std::string Path(const std::string& name) const { return folder.Path(name); }
    void Fail(const std::string& name, const char* why);
    // Writes the canvas, as a surface with or without alpha, through save(surface, path),
    // which returns 0 when it worked.
    template <typename Saver>
    void Save(const std::string& name, const Canvas& canvas, bool alpha, Saver save);

    tools::AssetFolder folder;
};

} // namespace vantor::tools::pictures
