#pragma once

#include <cstddef>
#include <cstdint>

namespace vantor::fuzz {

// What became of one input of the picture fuzzer.
struct PictureFuzzOutcome {
    bool decoded = false; // handed to the loader; inputs claiming very many pixels are not
    bool loaded = false;
    int width = 0;
    int height = 0;
    int reports = 0;
    const char* text = nullptr;  // the text of the last report
    const char* fault = nullptr; // a promise of the loader that did not hold; null when all did
};

// Decodes the bytes as the game decodes a picture file, keys the picture as a sprite sheet
// keys it, and checks what the loader promises: a refused picture is reported exactly once
// with one of its fixed texts, "no picture at all" and "a picture that cannot be read" are told
// apart by the header alone, and a picture that loads has exactly the sides its header claims,
// both below the limit.
PictureFuzzOutcome RunPictureInput(const uint8_t* data, size_t size);

// The fuzzer's entry: the same, ending the process when a promise did not hold.
int FuzzPicture(const uint8_t* data, size_t size);

} // namespace vantor::fuzz
