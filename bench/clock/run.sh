#!/usr/bin/env bash
# Measures the counter-clockwise clock next to xclock on a private Xvfb display:
# time to first window, resident memory and CPU over a minute.
# Usage: bench/clock/run.sh [build dir] (default: build). Needs Xvfb, libx11-dev, x11-apps.
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build}"
clock="$build/suite/クルリト1"
seconds="${SECONDS_CPU:-60}"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

cc -O2 -o "$work/first_window" "$root/bench/clock/first_window.c" -lX11
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
export DISPLAY="$display" XDG_RUNTIME_DIR="$work"
chmod 700 "$work"

ticks=$(getconf CLK_TCK)
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kib() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

first_window() { # program: median of 9 starts, in ms
    local times=()
    for _ in 1 2 3 4 5 6 7 8 9; do
        read -r ms pid < <("$work/first_window" "$@")
        times+=("$ms")
        sleep 0.3
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n 5p
}

echo "first window (median of 9):"
echo "  クルリト1         $(first_window "$clock") ms"
echo "  xclock -update 1  $(first_window /usr/bin/xclock -update 1) ms"

"$clock" & clock_pid=$!
/usr/bin/xclock -update 1 & xclock_pid=$!
sleep 5
echo "resident memory after 5 s:"
echo "  クルリト1         $(( $(rss_kib $clock_pid) / 1024 )) MiB"
echo "  xclock -update 1  $(( $(rss_kib $xclock_pid) / 1024 )) MiB"

c0=$(cpu_ticks $clock_pid); x0=$(cpu_ticks $xclock_pid)
sleep "$seconds"
c1=$(cpu_ticks $clock_pid); x1=$(cpu_ticks $xclock_pid)
echo "CPU over $seconds s (share of one core):"
awk -v t="$((c1 - c0))" -v hz="$ticks" -v s="$seconds" 'BEGIN {printf "  クルリト1         %.3f %% (%d ticks)\n", 100 * t / hz / s, t}'
awk -v t="$((x1 - x0))" -v hz="$ticks" -v s="$seconds" 'BEGIN {printf "  xclock -update 1  %.3f %% (%d ticks)\n", 100 * t / hz / s, t}'
