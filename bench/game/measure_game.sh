#!/usr/bin/env bash
# Measures the game as a user starts it, under a virtual X server:
#   - time from process start to the splash painted on screen,
#   - CPU used while the title plate is shown, over 20 s (PLATE_SECONDS),
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
# Run time of every thread in ns from schedstat: exact, where /proc/<pid>/stat counts 10 ms ticks.
run_ns() { local t=0 a; for f in /proc/"$pid"/task/*/schedstat; do read -r a _ < "$f"; t=$((t + a)); done; echo "$t"; }
secs="${PLATE_SECONDS:-20}"
n0=$(run_ns)
read -r main0 _ < "/proc/$pid/task/$pid/schedstat"
sleep "$secs"
n1=$(run_ns)
read -r main1 _ < "/proc/$pid/task/$pid/schedstat"
echo "CPU while the title plate shows, over $secs s: $(awk -v d=$((n1 - n0)) -v s="$secs" 'BEGIN { printf "%.2f", d / 1e7 / s }') % of one core (main thread $(awk -v d=$((main1 - main0)) -v s="$secs" 'BEGIN { printf "%.2f", d / 1e7 / s }') %)"
echo "peak memory: $(awk '/VmHWM/ {printf "%.1f MiB", $2 / 1024}' "/proc/$pid/status")"
kill "$pid"; wait "$pid" 2>/dev/null || true
