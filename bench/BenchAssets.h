#pragma once

namespace vantor::bench {

// The generated asset folder the benchmarks read from (VANTOR_ASSET_DIR when set, else the
// folder the build generated).
class BenchAssets {
public:
    // Makes the asset folder the working directory, as the game does at start-up, so that
    // the level and the sound player find their files by their bare names. False, with a
    // line on stderr, when the folder lacks a picture the level loads.
    static bool Enter();
};

} // namespace vantor::bench
