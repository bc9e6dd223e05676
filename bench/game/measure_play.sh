#!/usr/bin/env bash
# CPU of the real game under a virtual X server: over a whole game started with F1,
# then over 10 s on the idle board after its result box has been closed.
# Also runs bench_game_play (pass timing, press-to-board latency) when it is built.
# Usage: bench/game/measure_play.sh [program folder]   (default: build/suite)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
suite="${1:-$root/build/suite}"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}" QT_QPA_PLATFORM=xcb
hz=$(getconf CLK_TCK)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
# A program folder of its own, so that the run leaves the real one alone.
cp -r "$suite/bmp" "$suite/wav" "$suite/hitc.csv" "$suite/missc.csv" "$suite/mpkx_v1081dx7" "$tmp/"

cpu_ticks() { read -r -a s < "/proc/$1/stat"; echo $(( s[13] + s[14] )); }
percent() { awk -v t="$1" -v hz="$hz" -v secs="$2" 'BEGIN { printf "%.2f", 100 * t / hz / secs }'; }

"$tmp/mpkx_v1081dx7" &
pid=$!
sleep 4   # splash and title animation are over
wid=$(xdotool search --pid "$pid" --name . | tail -1)
xdotool windowfocus "$wid"
xdotool key F1
sleep 1.5  # the count-down
[ -n "${SHOT:-}" ] && import -window root "$SHOT"
c0=$(cpu_ticks "$pid")
sleep 20
c1=$(cpu_ticks "$pid")
echo "CPU during a game (20 s): $(percent $((c1 - c0)) 20) % of one core"
sleep 2    # the game is over; its result box is open
xdotool key Return
sleep 1
c0=$(cpu_ticks "$pid")
sleep 10
c1=$(cpu_ticks "$pid")
echo "CPU on the idle board after the game (10 s): $(percent $((c1 - c0)) 10) % of one core"
kill "$pid"; wait "$pid" 2>/dev/null || true

if [ -x "$root/build/bench/bench_game_play" ]; then
  "$root/build/bench/bench_game_play" "$suite"
fi
