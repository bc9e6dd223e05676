#!/usr/bin/env bash
# How long the sound calls take when the sound server is killed under a playing sound
# (runs bench_sound_server_loss on a private PulseAudio), or, with BENCH_STOPPED=1, when it is
# stopped (SIGSTOP) before the game starts and goes on later.
# Usage: [BENCH_STOPPED=1] bench/sound/measure_server_loss.sh
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
bash "$here/needs.sh"
tmp=$(mktemp -d)
. "$here/${SERVER:-pulse}_server.sh"
trap 'kill -CONT "${pulse_pid:-}" 2>/dev/null; pulse_stop; rm -rf "$tmp"' EXIT
pulse_start "$tmp/pulse"
# SDL_DRIVER=pulseaudio: SDL's device through that driver; else the game's own stream.
if [ -n "${SDL_DRIVER:-}" ]; then export SDL_AUDIODRIVER="$SDL_DRIVER"; else unset SDL_AUDIODRIVER; fi
BENCH_PULSE_PID="$pulse_pid" BENCH_STOPPED="${BENCH_STOPPED:-0}" "$root/build/bench/bench_sound_server_loss" "$root/build/suite/wav/kirakira.wav" "$root/build/suite/wav/q1.wav"
