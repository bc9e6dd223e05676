#pragma once
#include "platform/clock.h"
#include "platform/ui/prompt.h"
#include "platform/random.h"
#include "platform/sound/sound.h"

struct DesktopServices;

// What the game takes from outside: real services in the program, fakes in tests.
struct GameServices {
    platform::Clock& clock;
    platform::Random& random;
    platform::SoundSystem& sound;
    platform::Prompt& prompt;
    DesktopServices& desktop;
};
