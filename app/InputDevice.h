#pragma once

namespace vantor::app {

// What the player last played with: the words the game shows name its buttons.
enum class InputDevice { KeyboardAndMouse, Pad, Touch };

} // namespace vantor::app
