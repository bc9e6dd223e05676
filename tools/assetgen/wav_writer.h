#pragma once
// PCM WAV files: 16-bit stereo at the synthesiser's sample rate.

#include <QByteArray>
#include <QString>

#include "synth.h"

namespace assetgen {

// RIFF/WAVE bytes of the track; samples are clipped to -1..1.
QByteArray wav_bytes(const Track& track);

// Writes wav_bytes() to path; throws std::runtime_error on failure.
void write_wav(const Track& track, const QString& path);

}  // namespace assetgen
