#include "wav_writer.h"
#include "little_endian.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace assetgen {
namespace {

qint16 to_pcm(float v)
{
    const double c = std::clamp(double(v), -1.0, 1.0);
    return qint16(std::lround(c * 32767.0));
}

}  // namespace

QByteArray wav_bytes(const Track& track)
{
    const quint16 channels = 2, bits = 16;
    const quint16 block = channels * bits / 8;
    const quint32 frames = quint32(track.left().size());
    const quint32 data_bytes = frames * block;

    QByteArray out;
    out.reserve(int(44 + data_bytes));
    out.append("RIFF", 4);
    put32(out, 36 + data_bytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, 16);
    put16(out, 1);  // PCM
    put16(out, channels);
    put32(out, sample_rate);
    put32(out, sample_rate * block);
    put16(out, block);
    put16(out, bits);
    out.append("data", 4);
    put32(out, data_bytes);
    for (quint32 i = 0; i < frames; ++i) {
        put16(out, quint16(to_pcm(track.left()[i])));
        put16(out, quint16(to_pcm(track.right()[i])));
    }
    return out;
}

void write_wav(const Track& track, const QString& path)
{
    const QByteArray bytes = wav_bytes(track);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

}  // namespace assetgen
