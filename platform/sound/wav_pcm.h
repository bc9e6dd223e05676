#pragma once
#include "timeline_mixer.h"
#include <QByteArray>
#include <QString>

namespace platform {

// The bytes of a sound file, read as every data file is: only a regular file (a FIFO is not
// waited on), and none of more than 64 MB (six minutes of CD sound). Empty when it cannot be
// read; SDL is handed these bytes, never the path.
QByteArray read_sound_file(const QString& path);

// Reads a WAV file and converts it to 16-bit stereo at `rate`, as SDL_mixer does for its
// chunks (SDL's WAV reader and converter). Null when the file cannot be read as a WAV.
std::shared_ptr<const Pcm> load_wav_pcm(const QString& path, int rate);

} // namespace platform
