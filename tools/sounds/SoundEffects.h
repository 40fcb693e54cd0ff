#pragma once

#include "tools/sounds/StereoBuffer.h"

namespace vantor::tools::sounds {

// The four sound effects of the game, and the shell's own, synthesized from oscillators and
// filtered noise.
class SoundEffects {
public:
    // Engine thrust: a turbine hum and a roar that swell, hold and die away (about 1.6 s).
    static StereoBuffer Engine();
    // Torpedo launch: a thump, a falling electric zap and a whoosh that crosses the field.
    static StereoBuffer Torpedo();
    // A short blast with a crack, a thump and crackle (about 1.1 s).
    static StereoBuffer SmallExplosion();
    // A big blast: deep boom, long rumble, a second burst and falling debris (about 2.8 s).
    static StereoBuffer LargeExplosion();
    // A key that could do nothing: two soft, short, falling blips (about 0.3 s), unlike any
    // sound of the game's rules.
    static StereoBuffer Refused();
};

} // namespace vantor::tools::sounds
