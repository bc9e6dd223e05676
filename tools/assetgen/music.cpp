#include "sounds.h"

#include <array>

namespace assetgen {
namespace {

constexpr double beat = 60.0 / 144.0;  // 144 beats a minute, 48 beats: 20 s

struct Step { int midi; double beats; };  // midi 0 = rest

// The tune, bar by bar (four beats each).
const Step melody[] = {
    {76, 1}, {79, 1}, {84, 1}, {79, 1},
    {81, .5}, {79, .5}, {76, 1}, {72, 1}, {76, 1},
    {77, 1}, {81, 1}, {84, .5}, {81, .5}, {77, 1},
    {79, 1.5}, {81, .5}, {79, .5}, {77, .5}, {74, 1},
    {76, .5}, {79, .5}, {84, 1}, {86, .5}, {84, .5}, {79, 1},
    {81, 1}, {84, 1}, {88, 2},
    {89, .5}, {88, .5}, {86, 1}, {81, 1}, {77, 1},
    {79, 1}, {83, 1}, {86, 1}, {83, 1},
    {81, .5}, {84, .5}, {89, 1}, {88, .5}, {86, .5}, {84, 1},
    {83, .5}, {86, .5}, {91, 1}, {89, .5}, {88, .5}, {86, 1},
    {88, 1}, {84, 1}, {79, .5}, {81, .5}, {83, 1},
    {84, 3}, {0, 1},
};

// One chord a bar: root for the bass, three tones for the sparkles.
struct Chord { int root; std::array<int, 3> tones; };
const Chord chords[] = {
    {48, {60, 64, 67}}, {45, {57, 60, 64}}, {41, {53, 57, 60}}, {43, {55, 59, 62}},
    {48, {60, 64, 67}}, {45, {57, 60, 64}}, {50, {50, 53, 57}}, {43, {55, 59, 62}},
    {41, {53, 57, 60}}, {43, {55, 59, 62}}, {48, {60, 64, 67}}, {48, {60, 64, 67}},
};
constexpr int bars = 12;

void add_melody(Track& t)
{
    double at = 0;
    for (const Step& s : melody) {
        const double len = s.beats * beat;
        if (s.midi) {
            const double hz = midi_hz(s.midi);
            Samples lead = note(hz, len * 0.9, Wave::square, {0.01, 0.12, 0.55, 0.06}, 0.12);
            low_pass(lead, 2600);
            t.add(at, lead, 0.26, -0.15);
            // a soft sine an octave up makes it shine
            t.add(at, note(hz * 2, len * 0.8, Wave::sine, {0.01, 0.2, 0.3, 0.08}), 0.07, 0.2);
        }
        at += len;
    }
}

void add_bass(Track& t)
{
    const int pattern[] = {0, 12, 7, 12};  // a bouncing root, octave, fifth
    for (int bar = 0; bar < bars; ++bar) {
        const bool last = bar == bars - 1;
        for (int e = 0; e < (last ? 1 : 8); ++e) {
            const double at = (bar * 4 + e * 0.5) * beat;
            const int n = chords[bar].root - 12 + pattern[e % 4];
            Samples b = note(midi_hz(n), last ? beat * 3 : beat * 0.42, Wave::triangle, {0.004, 0.1, 0.7, 0.05});
            t.add(at, b, 0.42);
        }
    }
}

void add_sparkles(Track& t)
{
    for (int bar = 0; bar < bars - 1; ++bar) {
        const auto& c = chords[bar].tones;
        const int order[] = {0, 1, 2, 1};
        for (int s = 0; s < 8; ++s) {
            const int n = c[order[s % 4]] + 24 + (s >= 4 ? 12 : 0) * (bar % 2);
            const double at = (bar * 4 + s * 0.5 + 0.25) * beat;
            t.add(at, bell(midi_hz(n), 0.4, 3.5, 1.2), 0.07, (s % 2) ? 0.6 : -0.6);
        }
    }
    // a glittering run down at the very end
    for (int i = 0; i < 8; ++i)
        t.add((44 + i * 0.25) * beat, bell(midi_hz(108 - i * 3), 0.6, 2.0, 1.0), 0.08, -0.7 + i * 0.2);
}

void add_drums(Track& t)
{
    for (int b = 0; b < bars * 4 - 4; ++b) {
        const double at = b * beat;
        if (b % 2 == 0)
            t.add(at, glide(150, 50, 0.12, Wave::sine, 0.06), 0.45);  // soft kick
        Samples hat = noise(0.05, 0.012, 97 + b);
        high_pass(hat, 6000);
        t.add(at + beat / 2, hat, 0.18, 0.3);
        if (b % 4 == 1 || b % 4 == 3) {
            Samples clap = noise(0.09, 0.03, 301 + b);
            band_sweep(clap, 1400, 1100, 1.5);
            t.add(at, clap, 0.35, -0.1);
        }
    }
}

}  // namespace

Track make_game_music()
{
    Track t(bars * 4 * beat + 0.6);
    add_bass(t);
    add_melody(t);
    add_sparkles(t);
    add_drums(t);
    t.normalise(0.8);
    return t;
}

}  // namespace assetgen
