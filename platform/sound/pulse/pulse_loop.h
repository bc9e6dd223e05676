#pragma once
#include <pulse/thread-mainloop.h>
#include <utility>

namespace platform {

// libpulse's threaded main loop and the one object its thread works on. The object is
// reached only with the loop's lock held: from the owner's thread through lock(), and on
// the loop's thread by the callbacks the object registers itself, which libpulse runs with
// the lock held. Nothing else hands the object out, so no field of it can be touched by two
// threads at once. While no loop runs there is no other thread: lock() then takes no lock.
//
// `T::disconnect()` is called with the lock held before the loop's thread stops; after it
// no callback of the object may be pending.
template <class T>
class PulseLoop {
public:
    template <class... Args>
    explicit PulseLoop(Args&&... args) : value_(std::forward<Args>(args)...)
    {
    }
    ~PulseLoop() { stop(); }
    PulseLoop(const PulseLoop&) = delete;
    PulseLoop& operator=(const PulseLoop&) = delete;

    template <class V>
    class Locked {
    public:
        Locked(pa_threaded_mainloop* loop, V& value) : loop_(loop), value_(value)
        {
            if (loop_)
                pa_threaded_mainloop_lock(loop_);
        }
        ~Locked()
        {
            if (loop_)
                pa_threaded_mainloop_unlock(loop_);
        }
        Locked(const Locked&) = delete;
        Locked& operator=(const Locked&) = delete;
        V* operator->() const { return &value_; }
        V& operator*() const { return value_; }

    private:
        pa_threaded_mainloop* loop_;
        V& value_;
    };

    // The lock is recursive: a Locked may be taken while another one is held.
    Locked<T> lock() { return Locked<T>(loop_, value_); }
    Locked<const T> lock() const { return Locked<const T>(loop_, value_); }

    // Starts the loop's thread; false (and no thread) when libpulse could not.
    bool start()
    {
        stop();
        loop_ = pa_threaded_mainloop_new();
        if (loop_ && pa_threaded_mainloop_start(loop_) == 0)
            return true;
        if (loop_)
            pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
        return false;
    }
    // The loop's API, for the object's context; null while no loop runs.
    pa_mainloop_api* api() const { return loop_ ? pa_threaded_mainloop_get_api(loop_) : nullptr; }

    void stop()
    {
        if (!loop_) {
            value_.disconnect();
            return;
        }
        lock()->disconnect();
        pa_threaded_mainloop_stop(loop_);
        pa_threaded_mainloop_free(loop_);
        loop_ = nullptr;
    }

private:
    pa_threaded_mainloop* loop_ = nullptr;
    T value_;
};

} // namespace platform
