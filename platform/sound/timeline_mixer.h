#pragma once
#include <cstdint>
#include <limits>
#include <memory>
#include <vector>

namespace platform {

// A sound ready for the device: interleaved 16-bit stereo at the device's rate.
using Pcm = std::vector<int16_t>;

// Mixes voices on a timeline of frames (frame 0 is the first the device end handed
// over), so that any stretch of it can be mixed again after a voice changed: the device
// end has already handed a stretch ahead to the sound server, and when a sound starts
// it mixes that stretch anew from the moment of the change and writes it over the old
// one. A change only concerns frames from its moment on; a stretch mixed again gives
// the same samples as before up to that moment, so nothing is cut short or heard twice.
// Voices are added together and clipped, as SDL_mixer mixes at full volume.
class TimelineMixer {
public:
    static constexpr int64_t kNever = std::numeric_limits<int64_t>::max();

    int add_voice();
    // The voice plays `pcm` from its first frame at frame `at` (what it played ends there).
    void start(int voice, std::shared_ptr<const Pcm> pcm, int64_t at);
    // Stops at `at`, keeping the place reached there; resume() goes on from it.
    void pause(int voice, int64_t at);
    void resume(int voice, int64_t at);
    // Stops at `at` for good.
    void halt(int voice, int64_t at);
    // Still to be heard at frame `at` or later (a paused voice is not).
    bool sounding(int voice, int64_t at) const;
    bool paused(int voice) const { return voices_.at(voice).paused; }
    bool any_paused() const;
    // The frame after the last one any voice sounds (0 when none will).
    int64_t quiet_from() const;
    // Every voice stops; for a new timeline.
    void halt_all();
    // Frames [from, from + frames) of the mix, into `out` (2 samples a frame).
    void mix(int64_t from, int frames, int16_t* out) const;

private:
    struct Voice {
        std::shared_ptr<const Pcm> pcm;
        int64_t from = 0;       // the frame where it plays pcm's frame `offset`
        int64_t offset = 0;
        int64_t until = kNever; // the frame where it stopped
        bool paused = false;
        int64_t frames() const { return pcm ? static_cast<int64_t>(pcm->size() / 2) : 0; }
        int64_t end() const;
        int64_t place_at(int64_t at) const;
    };
    std::vector<Voice> voices_;
    mutable std::vector<int32_t> sum_;
};

} // namespace platform
