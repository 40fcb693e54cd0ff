// libFuzzer target: replay files, read and played again as the checking program does.
#include "fuzz/FuzzReplay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return vantor::fuzz::FuzzReplay(data, size);
}
