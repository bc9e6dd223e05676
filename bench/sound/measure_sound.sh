#!/usr/bin/env bash
# When the game's sounds are heard: runs bench_game_sound (the real main window, XTest
# input, parec recording) on a private PulseAudio with a null sink under its own Xvfb,
# and draws the last whole game of the recording as a spectrogram.
# Usage: bench/sound/measure_sound.sh [buffer frames] [strikes a series] [picture.png]
#   defaults: the mixer's own buffer (0 names it too), 100 strikes, no picture
# LOAD=2 runs two busy loops beside it (the machine's two cores loaded); GAMES=3 plays three
# whole games at the end instead of one; F1S=100 starts the music from the idle board 100
# times (a tenth of the strikes, at least 10, without it). SERVER=pipewire runs a private
# PipeWire with its PulseAudio service instead of PulseAudio.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
bash "$here/needs.sh"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
bench="$root/build/bench/bench_game_sound"
[ -x "$bench" ] || { echo "build it first: cmake --build build --target bench_game_sound" >&2; exit 2; }
tmp=$(mktemp -d)
. "$here/${SERVER:-pulse}_server.sh"
busy=()
trap 'for p in "${busy[@]}"; do kill "$p" 2>/dev/null; done; pulse_stop; rm -rf "$tmp"' EXIT
pulse_start "$tmp/pulse"
export QT_QPA_PLATFORM=xcb
# SDL_DRIVER=pulseaudio (or pipewire): SDL's device through that driver of SDL's; else the
# game's own stream on the server (PULSE_BUFFER, PULSE_PERIOD, PULSE_MARGIN frames,
# PULSE_WRITE_AHEAD=0|1).
if [ -n "${SDL_DRIVER:-}" ]; then export SDL_AUDIODRIVER="$SDL_DRIVER"; else unset SDL_AUDIODRIVER; fi
for _ in $(seq "${LOAD:-0}"); do (while :; do :; done) & busy+=($!); done

echo "load average before: $(cut -d' ' -f1-3 /proc/loadavg); $(nproc) cores"
raw="${RECORDING:-$tmp/game.raw}"
"$bench" "$root/build/suite" "$raw" "${1:-0}" "${2:-100}" "${GAMES:-1}" "${F1S:-0}" | tee "$tmp/report"
echo "load average after: $(cut -d' ' -f1-3 /proc/loadavg)"

if [ -n "${3:-}" ]; then
  # The whole game at the end of the recording: F1 with a second before it, 24 s in all.
  start=$(grep -o 'F1@[0-9.]*' "$tmp/report" | tail -1 | awk -F@ '{ print $2 - 1 }')
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$raw" -n trim "$start" 24 remix - rate 8k \
    spectrogram -x 1200 -y 257 -z 80 -t "the game's sounds on the server: a whole game, F1 then a strike every 0.45 s" -o "$3"
  echo "picture: $3 (from ${start} s into the recording)"
fi
