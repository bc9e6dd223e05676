#!/usr/bin/env bash
# Measures the game as a user starts it, under a virtual X server:
#   - time from process start to the splash painted on screen,
#   - CPU used while the title plate is shown, over 10 s,
#   - peak memory (VmHWM) of the process.
# Usage: bench/game/measure_game.sh [program folder]   (default: build/suite)
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
suite="${1:-$root/build/suite}"
runs="${RUNS:-5}"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
hz=$(getconf CLK_TCK)

echo "start-up to splash (ms):"
for i in $(seq "$runs"); do
  start=$(date +%s%N)
  SUITE_STARTUP_TRACE=1 "$suite/mpkx_v1081dx7" 2>"$tmp/trace" &
  pid=$!
  for _ in $(seq 100); do grep -q splash-painted "$tmp/trace" 2>/dev/null && break; sleep 0.05; done
  painted=$(awk '/splash-painted/ {print $2}' "$tmp/trace")
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  echo "  run $i: $(( (painted - start) / 1000000 ))"
done

"$suite/mpkx_v1081dx7" &
pid=$!
sleep 4   # splash (1 s) and title animation (about 1.3 s) are over: the plate is shown
read -r -a s0 < "/proc/$pid/stat"
sleep 10
read -r -a s1 < "/proc/$pid/stat"
ticks=$(( (s1[13] + s1[14]) - (s0[13] + s0[14]) ))
echo "CPU while the title plate shows: $(awk -v t="$ticks" -v hz="$hz" 'BEGIN { printf "%.2f", 100 * t / hz / 10 }') % of one core over 10 s"
echo "peak memory: $(awk '/VmHWM/ {printf "%.1f MiB", $2 / 1024}' "/proc/$pid/status")"
kill "$pid"; wait "$pid" 2>/dev/null || true
