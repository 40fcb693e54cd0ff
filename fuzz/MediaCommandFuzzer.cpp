// libFuzzer target: sound command strings, parsed and sent as the game sends them.
#include "fuzz/FuzzMediaCommand.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return vantor::fuzz::FuzzMediaCommand(data, size);
}
