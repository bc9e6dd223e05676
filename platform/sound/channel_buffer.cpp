#include "channel_buffer.h"

namespace platform {

void ChannelBuffer::play()
{
    refresh();
    if (state_ == State::Playing || state_ == State::Ended)
        return;
    const bool paused = state_ == State::Paused;
    if (!(paused ? resume() : start()))
        return;
    if (!paused)
        session_ = session();
    state_ = State::Playing;
}

void ChannelBuffer::stop()
{
    refresh();
    if (state_ == State::Playing) {
        pause();
        state_ = State::Paused;
    }
}

void ChannelBuffer::rewind()
{
    if (live())
        halt();
    state_ = State::AtStart;
}

bool ChannelBuffer::is_playing() const
{
    refresh();
    return state_ == State::Playing;
}

bool ChannelBuffer::live() const
{
    return (state_ == State::Playing || state_ == State::Paused) && session_ == session();
}

void ChannelBuffer::refresh() const
{
    if ((state_ == State::Playing || state_ == State::Paused) && !live())
        state_ = State::Ended;
    else if (state_ == State::Playing && !sounding())
        state_ = State::Ended;
}

} // namespace platform
