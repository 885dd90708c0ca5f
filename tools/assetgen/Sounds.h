// The game's five sounds, each made from nothing but arithmetic and a seeded generator, under
// the names the game plays them by.
#pragma once

#include "Synth.h"

#include <array>

namespace kx::art {

// Keys struck in a quick burst, as when the terminal dials a server.
Signal typing();
// Two rising notes of a pager.
Signal pagerBeep();
// The lever and drawer of a till and its bell.
Signal cashRegister();
// A room applauding, for the top ten.
Signal applause();
// A short brass call.
Signal fanfare();

struct Sound {
    const char* file;
    Signal (*make)();
    double fadeOut; // seconds; long enough to soften a tail that is still ringing
};

inline constexpr std::array<Sound, 5> sounds{{
    {"type1.wav", typing, 0.02},
    {"beep1.wav", pagerBeep, 0.01},
    {"cash1.wav", cashRegister, 0.15},
    {"clap1.wav", applause, 0.3},
    {"horn1.wav", fanfare, 0.05},
}};

}
