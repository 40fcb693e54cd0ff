#pragma once

#include <SDL.h>

#include <vector>

// A keyed picture as it is drawn turned: about a fixed point, smoothed, its keyed background
// clear. The turned pixels are worked out here, into one texture made when the picture is
// loaded and big enough for the picture at any angle, and again only when the angle differs
// from the last draw's; a ship that keeps its heading is only copied from frame to frame.
// Turning therefore allocates nothing, and on every renderer the pixels are the same.
class TurnedPicture {
public:
    // Keeps a copy of the keyed ARGB8888 pixels; Ready() is false when the texture could
    // not be made.
    TurnedPicture(SDL_Renderer* renderer, const SDL_Surface* keyed, SDL_Point centre);
    ~TurnedPicture();
    TurnedPicture(const TurnedPicture&) = delete;
    TurnedPicture& operator=(const TurnedPicture&) = delete;

    bool Ready() const { return texture != nullptr; }

    // The picture placed with its top-left at (x, y), turned angle degrees clockwise about
    // (x, y) plus the centre.
    void Draw(int angle, float x, float y);

private:
    // Fills the texture with the picture turned by the angle (0 to 359).
    void Turn(int angle);

    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    std::vector<Uint32> pixels; // the keyed picture, row after row
    int width = 0;
    int height = 0;
    SDL_Point centre = {0, 0};
    // Turned pixels are placed in a square 2 * reach on a side with the turning centre in its
    // middle; the texture, side pixels square, holds the part of it the picture covers.
    int reach = 0;
    int side = 0;
    int turnedAngle = -1;         // the angle the texture holds; none yet
    SDL_Rect area = {0, 0, 0, 0}; // the turned picture in the texture
    int areaX = 0;                // and where that lies in the square
    int areaY = 0;
};
