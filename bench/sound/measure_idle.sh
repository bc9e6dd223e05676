#!/usr/bin/env bash
# What the game costs while nothing sounds, and while its music plays, with a real sound
# server: CPU (run time of every thread, from schedstat) and wake-ups (voluntary context
# switches of every thread) over SECONDS_EACH (default 10) on the title plate, on the idle
# board, and in a game (F1: its music plays).
# The game runs under its own Xvfb on a private PulseAudio (SERVER=pipewire: PipeWire).
# Usage: bench/sound/measure_idle.sh [program folder]   (default: build/suite)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
suite="$(cd "${1:-$root/build/suite}" && pwd)"
bash "$here/needs.sh"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
secs="${SECONDS_EACH:-10}"
tmp=$(mktemp -d)
. "$here/${SERVER:-pulse}_server.sh"
trap 'kill "${pid:-}" 2>/dev/null; pulse_stop; rm -rf "$tmp"' EXIT
pulse_start "$tmp/pulse"
export QT_QPA_PLATFORM=xcb
# SDL_DRIVER=pulseaudio (or pipewire): SDL's device through that driver; else the game's own stream.
if [ -n "${SDL_DRIVER:-}" ]; then export SDL_AUDIODRIVER="$SDL_DRIVER"; else unset SDL_AUDIODRIVER; fi
# A program folder of its own, so that the run leaves the real one alone.
cp -r "$suite/bmp" "$suite/wav" "$suite/hitc.csv" "$suite/missc.csv" "$suite/mpkx_v1081dx7" "$tmp/"

# "<ns of run time> <voluntary switches>" summed over the threads alive now,
# plus one line per thread: "<tid> <name> <ns> <switches>".
snapshot() {
  local t ns sw
  for t in /proc/"$pid"/task/*; do
    read -r ns _ < "$t/schedstat" || continue
    sw=$(awk '/^voluntary_ctxt_switches/ {print $2}' "$t/status")
    echo "${t##*/} $(tr ' ' '_' < "$t/comm") $ns $sw"
  done
}
measure() { # label
  local a b
  a=$(snapshot); sleep "$secs"; b=$(snapshot)
  join <(echo "$a" | sort) <(echo "$b" | sort) | awk -v s="$secs" -v label="$1" '
    { ns = $6 - $3; sw = $7 - $4; tns += ns; tsw += sw
      if (ns > 0 || sw > 0) per[$2] = per[$2] sprintf(" %s %.3f%%/%.0f/s", $2, ns / 1e7 / s, sw / s) }
    END { printf "%s: CPU %.3f %% of one core, %.1f wake-ups/s;", label, tns / 1e7 / s, tsw / s
          for (k in per) printf "%s", per[k]; printf "\n" }'
  local gone; gone=$(comm -23 <(echo "$a" | cut -d' ' -f1 | sort) <(echo "$b" | cut -d' ' -f1 | sort) | wc -l)
  [ "$gone" -eq 0 ] || echo "  ($gone thread(s) ended during the measure and are not counted)"
}

"$tmp/mpkx_v1081dx7" &
pid=$!
sleep 7   # splash, title animation, its opening sound and the second after it are over: the plate shows
measure "title plate (${secs} s)"
wid=$(xdotool search --pid "$pid" --name . | tail -1)
xdotool mousemove --window "$wid" 100 200 click 1
sleep 3
measure "idle board (${secs} s)"
xdotool windowfocus --sync "$wid" key F1
sleep 1
measure "a game with its music (${secs} s)"
echo "streams on the server now:"; pactl list short sink-inputs | sed 's/^/  /'
