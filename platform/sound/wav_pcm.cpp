#include "wav_pcm.h"
#include "platform/files/regular_file.h"
#include <SDL.h>
#include <cstring>

namespace platform {

QByteArray read_sound_file(const QString& path)
{
    constexpr qint64 kMaxBytes = 64 << 20;
    QByteArray bytes;
    return read_regular_file(path, kMaxBytes, &bytes) == BoundedRead::Read ? bytes : QByteArray();
}

std::shared_ptr<const Pcm> load_wav_pcm(const QString& path, int rate)
{
    const QByteArray file = read_sound_file(path);
    SDL_AudioSpec format{};
    Uint8* data = nullptr;
    Uint32 length = 0;
    if (file.isEmpty()
        || !SDL_LoadWAV_RW(SDL_RWFromConstMem(file.constData(), static_cast<int>(file.size())), 1, &format, &data,
                           &length))
        return nullptr;
    SDL_AudioCVT cvt{};
    std::shared_ptr<Pcm> pcm;
    if (SDL_BuildAudioCVT(&cvt, format.format, format.channels, format.freq, AUDIO_S16SYS, 2, rate) >= 0) {
        cvt.len = static_cast<int>(length);
        std::vector<Uint8> work(static_cast<size_t>(length) * static_cast<size_t>(std::max(cvt.len_mult, 1)));
        std::memcpy(work.data(), data, length);
        cvt.buf = work.data();
        if (SDL_ConvertAudio(&cvt) == 0) {
            pcm = std::make_shared<Pcm>(static_cast<size_t>(cvt.len_cvt) / 4 * 2);
            std::memcpy(pcm->data(), work.data(), pcm->size() * sizeof(int16_t));
        }
    }
    SDL_FreeWAV(data);
    return pcm;
}

} // namespace platform
