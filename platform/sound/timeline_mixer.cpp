#include "timeline_mixer.h"
#include <algorithm>

namespace platform {

int64_t TimelineMixer::Voice::end() const
{
    if (!pcm || paused)
        return std::min(until, from);
    return std::min(until, from + frames() - offset);
}

int64_t TimelineMixer::Voice::place_at(int64_t at) const
{
    return std::clamp(offset + std::min(at, until) - from, offset, frames());
}

int TimelineMixer::add_voice()
{
    voices_.emplace_back();
    return static_cast<int>(voices_.size()) - 1;
}

void TimelineMixer::start(int voice, std::shared_ptr<const Pcm> pcm, int64_t at)
{
    voices_.at(voice) = Voice{std::move(pcm), at, 0, kNever, false};
}

void TimelineMixer::pause(int voice, int64_t at)
{
    Voice& v = voices_.at(voice);
    if (!v.pcm || v.paused)
        return;
    v.offset = v.place_at(at);
    v.from = v.until = std::min(at, v.until);
    v.paused = true;
}

void TimelineMixer::resume(int voice, int64_t at)
{
    Voice& v = voices_.at(voice);
    if (!v.paused)
        return;
    v.from = at;
    v.until = kNever;
    v.paused = false;
}

void TimelineMixer::halt(int voice, int64_t at)
{
    Voice& v = voices_.at(voice);
    v.until = std::min(v.until, at);
    v.paused = false;
}

bool TimelineMixer::sounding(int voice, int64_t at) const
{
    const Voice& v = voices_.at(voice);
    return v.pcm && !v.paused && at < v.end();
}

bool TimelineMixer::any_paused() const
{
    return std::any_of(voices_.begin(), voices_.end(), [](const Voice& v) { return v.pcm && v.paused; });
}

int64_t TimelineMixer::quiet_from() const
{
    int64_t last = 0;
    for (const Voice& v : voices_)
        if (v.pcm && !v.paused)
            last = std::max(last, v.end());
    return last;
}

void TimelineMixer::halt_all()
{
    for (Voice& v : voices_)
        v = Voice{};
}

void TimelineMixer::mix(int64_t from, int frames, int16_t* out) const
{
    sum_.assign(static_cast<size_t>(frames) * 2, 0);
    for (const Voice& v : voices_) {
        if (!v.pcm || v.paused)
            continue;
        const int64_t a = std::max(from, v.from), b = std::min(from + frames, v.end());
        if (a >= b)
            continue;
        const int16_t* src = v.pcm->data() + (v.offset + a - v.from) * 2;
        for (int64_t i = (a - from) * 2; i < (b - from) * 2; ++i)
            sum_[i] += *src++;
    }
    for (size_t i = 0; i < sum_.size(); ++i)
        out[i] = static_cast<int16_t>(std::clamp(sum_[i], -32768, 32767));
}

} // namespace platform
