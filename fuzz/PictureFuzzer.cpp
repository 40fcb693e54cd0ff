// libFuzzer target: picture files from bytes, decoded and keyed as the game does.
#include "fuzz/FuzzPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return vantor::fuzz::FuzzPicture(data, size);
}
