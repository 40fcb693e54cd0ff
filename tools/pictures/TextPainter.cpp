#include "tools/pictures/TextPainter.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <cstdio>

namespace vantor::tools::pictures {

namespace {

std::string FindFont(FcConfig* config, const char* name) {
    std::string path;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(name));
    if (pattern == nullptr) {
        return path;
    }
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcChar8* file = nullptr;
    if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
        path = reinterpret_cast<const char*>(file);
    }
    if (match != nullptr) {
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return path;
}

} // namespace

TextPainter::~TextPainter() {
    for (auto& entry : fonts) {
        TTF_CloseFont(entry.second);
    }
    if (started) {
        TTF_Quit();
    }
}

bool TextPainter::Open() {
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) {
        std::fprintf(stderr, "pictures: fontconfig cannot load its configuration\n");
        return false;
    }
    regularPath = FindFont(config, "DejaVu Sans:style=Book");
    boldPath = FindFont(config, "DejaVu Sans:style=Bold");
    FcConfigDestroy(config);
    if (regularPath.empty() || boldPath.empty()) {
        std::fprintf(stderr, "pictures: fontconfig finds no sans-serif font\n");
        return false;
    }
    if (TTF_Init() != 0) {
        std::fprintf(stderr, "pictures: cannot start the font rasteriser: %s\n", TTF_GetError());
        return false;
    }
    started = true;
    if (Font(12, false) == nullptr || Font(12, true) == nullptr) {
        return false;
    }
    return true;
}

TTF_Font* TextPainter::Font(int size, bool bold) {
    const auto key = std::make_pair(size, bold);
    const auto found = fonts.find(key);
    if (found != fonts.end()) {
        return found->second;
    }
    const std::string& path = bold ? boldPath : regularPath;
    TTF_Font* font = TTF_OpenFont(path.c_str(), size);
    if (font == nullptr) {
        std::fprintf(stderr, "pictures: cannot open font %s: %s\n", path.c_str(), TTF_GetError());
        return nullptr;
    }
    fonts[key] = font;
    return font;
}

Canvas TextPainter::Render(const std::string& text, int size, bool bold, int tracking) {
    TTF_Font* font = Font(size, bold);
    if (font == nullptr || text.empty()) {
        return Canvas(1, 1);
    }
    // Letter by letter when spread out, so each letter lands where the tracking puts it.
    std::vector<std::string> pieces;
    if (tracking == 0) {
        pieces.push_back(text);
    } else {
        for (char c : text) {
            pieces.emplace_back(1, c);
        }
    }
    std::vector<int> widths;
    int total = 0;
    for (const std::string& piece : pieces) {
        int w = 0;
        int h = 0;
        TTF_SizeUTF8(font, piece.c_str(), &w, &h);
        widths.push_back(w);
        total += w + tracking;
    }
    total -= tracking;
    Canvas out(std::max(1, total), TTF_FontHeight(font));
    int x = 0;
    const SDL_Color white{255, 255, 255, 255};
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (pieces[i] != " ") {
            SDL_Surface* glyphs = TTF_RenderUTF8_Blended(font, pieces[i].c_str(), white);
            if (glyphs != nullptr) {
                SDL_Surface* rgba = SDL_ConvertSurfaceFormat(glyphs, SDL_PIXELFORMAT_RGBA32, 0);
                if (rgba != nullptr) {
                    const auto* bytes = static_cast<const Uint8*>(rgba->pixels);
                    for (int sy = 0; sy < rgba->h && sy < out.height; ++sy) {
                        for (int sx = 0; sx < rgba->w; ++sx) {
                            const float alpha = bytes[sy * rgba->pitch + sx * 4 + 3] / 255.0f;
                            if (alpha > 0.0f && out.Inside(x + sx, sy)) {
                                Colour& c = out.At(x + sx, sy);
                                c = {1, 1, 1, std::min(1.0f, c.a + alpha)};
                            }
                        }
                    }
                    SDL_FreeSurface(rgba);
                }
                SDL_FreeSurface(glyphs);
            }
        }
        x += widths[i] + tracking;
    }
    return out;
}

float TextPainter::Width(const Canvas& canvas, const std::string& text, float size, bool bold,
                         float tracking) {
    TTF_Font* font = Font(static_cast<int>(std::lround(size * canvas.unit)), bold);
    if (font == nullptr) {
        return 0.0f;
    }
    int total = 0;
    if (tracking == 0.0f) {
        int h = 0;
        TTF_SizeUTF8(font, text.c_str(), &total, &h);
    } else {
        for (char c : text) {
            int w = 0;
            int h = 0;
            const char piece[2] = {c, 0};
            TTF_SizeUTF8(font, piece, &w, &h);
            total += w + static_cast<int>(std::lround(tracking * canvas.unit));
        }
        total -= static_cast<int>(std::lround(tracking * canvas.unit));
    }
    return total / canvas.unit;
}

int TextPainter::Place(const Canvas& canvas, float x, const std::string& text, float size,
                       Align align, bool bold, float tracking) {
    const float width = Width(canvas, text, size, bold, tracking);
    float left = x;
    if (align == Align::Centre) {
        left = x - width / 2;
    } else if (align == Align::Right) {
        left = x - width;
    }
    return static_cast<int>(std::lround(left * canvas.unit));
}

void TextPainter::Draw(Canvas& canvas, float x, float y, const std::string& text, float size,
                       const Colour& colour, Align align, bool bold, float tracking) {
    DrawShaded(
        canvas, x, y, text, size, [&colour](float, float) { return colour; }, align, bold,
        tracking);
}

void TextPainter::DrawShaded(Canvas& canvas, float x, float y, const std::string& text, float size,
                             const Canvas::Shader& shader, Align align, bool bold, float tracking) {
    const int left = Place(canvas, x, text, size, align, bold, tracking);
    const int top = static_cast<int>(std::lround(y * canvas.unit));
    const Canvas mask = Render(text, static_cast<int>(std::lround(size * canvas.unit)), bold,
                               static_cast<int>(std::lround(tracking * canvas.unit)));
    for (int sy = 0; sy < mask.height; ++sy) {
        for (int sx = 0; sx < mask.width; ++sx) {
            const float alpha = mask.At(sx, sy).a;
            if (alpha > 0.0f) {
                const float ux = (left + sx + 0.5f) / canvas.unit;
                const float uy = (top + sy + 0.5f) / canvas.unit;
                canvas.Blend(left + sx, top + sy, shader(ux, uy), alpha);
            }
        }
    }
}

void TextPainter::DrawGlow(Canvas& canvas, float x, float y, const std::string& text, float size,
                           const Colour& colour, int radius, float opacity, Align align, bool bold,
                           float tracking) {
    const int left = Place(canvas, x, text, size, align, bold, tracking);
    const int top = static_cast<int>(std::lround(y * canvas.unit));
    const Canvas mask = Render(text, static_cast<int>(std::lround(size * canvas.unit)), bold,
                               static_cast<int>(std::lround(tracking * canvas.unit)));
    const int pad = radius * 3;
    Canvas padded(mask.width + 2 * pad, mask.height + 2 * pad);
    padded.Draw(mask, pad, pad);
    const Canvas halo = padded.Blurred(radius);
    for (int sy = 0; sy < halo.height; ++sy) {
        for (int sx = 0; sx < halo.width; ++sx) {
            canvas.Blend(left - pad + sx, top - pad + sy, colour, halo.At(sx, sy).a * opacity);
        }
    }
}

} // namespace vantor::tools::pictures
