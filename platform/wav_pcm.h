#pragma once
#include "timeline_mixer.h"
#include <QString>

namespace platform {

// Reads a WAV file and converts it to 16-bit stereo at `rate`, as SDL_mixer does for its
// chunks (SDL's WAV reader and converter). Null when the file cannot be read as a WAV.
std::shared_ptr<const Pcm> load_wav_pcm(const QString& path, int rate);

} // namespace platform
