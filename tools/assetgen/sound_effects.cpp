#include "sounds.h"

#include "wav_writer.h"

#include <QDir>

namespace assetgen {

Track make_hit_sound()
{
    Track t(0.32);
    // "po": a round knock falling in pitch
    Samples po = glide(720, 240, 0.07, Wave::sine, 0.05);
    t.add(0.0, po, 0.9);
    Samples click = noise(0.012, 0.003, 7);
    low_pass(click, 3000);
    t.add(0.0, click, 0.5);
    // "kan": a hollow wooden ring
    Samples kan = struck(980, 0.26, {{1.0, 0.8, 0.07}, {1.58, 0.45, 0.05}, {2.31, 0.3, 0.035}, {3.9, 0.12, 0.02}});
    t.add(0.045, kan, 0.75, -0.1);
    Samples tick = noise(0.01, 0.002, 11);
    high_pass(tick, 1500);
    t.add(0.045, tick, 0.4, 0.1);
    t.normalise(0.85);
    return t;
}

Track make_opening_jingle()
{
    Track t(1.9);
    const int run[] = {72, 76, 79, 84, 88};
    for (int i = 0; i < 5; ++i) {
        const double at = i * 0.09;
        t.add(at, bell(midi_hz(run[i]), 0.5), 0.35, -0.6 + i * 0.3);
        t.add(at, note(midi_hz(run[i]), 0.08, Wave::square, {0.003, 0.05, 0.3, 0.04}), 0.08);
    }
    // the final chord rings out
    for (int n : {84, 88, 91, 96})
        t.add(0.5, bell(midi_hz(n), 1.35, 3.5, 1.8), 0.3, (n % 3 - 1) * 0.4);
    t.add(0.5, note(midi_hz(48), 0.6, Wave::triangle, {0.005, 0.2, 0.5, 0.3}), 0.35);
    // sparkles on top
    const int sparkle[] = {100, 103, 108, 103, 105, 108};
    for (int i = 0; i < 6; ++i)
        t.add(0.62 + i * 0.11, bell(midi_hz(sparkle[i]), 0.35, 2.0, 1.0), 0.1, i % 2 ? 0.7 : -0.7);
    t.normalise(0.8);
    return t;
}

Track make_sword_sound()
{
    Track t(1.1);
    // swish: noise through a rising band, passing from left to right
    Samples swish = noise(0.3, 10.0, 23);
    band_sweep(swish, 350, 4200, 2.5);
    for (std::size_t i = 0; i < swish.size(); ++i) {
        const double k = double(i) / double(swish.size());
        swish[i] *= float(k < 0.6 ? k / 0.6 : (1 - k) / 0.4);
    }
    t.add_moving(0.0, swish, 1.6, -0.8, 0.8);
    // clang: a struck steel bar, with a long shimmer
    Samples clang = struck(660, 0.8, {{1.0, 0.6, 0.25}, {2.76, 0.5, 0.16}, {5.40, 0.35, 0.1}, {8.93, 0.2, 0.06},
                                      {1.503, 0.25, 0.3}});
    t.add(0.27, clang, 0.8, 0.3);
    Samples hit = noise(0.03, 0.008, 5);
    high_pass(hit, 2000);
    t.add(0.27, hit, 0.6, 0.3);
    t.add(0.3, bell(midi_hz(100), 0.7, 1.41, 2.0), 0.15, -0.2);
    t.normalise(0.85);
    return t;
}

void write_sounds(const QString& dir)
{
    const QDir d(dir);
    write_wav(make_hit_sound(), d.filePath("q1.wav"));
    write_wav(make_opening_jingle(), d.filePath("open_mpkx.wav"));
    write_wav(make_sword_sound(), d.filePath("zantetuken.wav"));
    write_wav(make_game_music(), d.filePath("kirakira.wav"));
}

}  // namespace assetgen
