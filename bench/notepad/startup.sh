#!/usr/bin/env bash
# Time to first window and memory of the notepad, side by side with featherpad.
# Run under an X server, e.g.:
#   xvfb-run -a -s "-noreset -screen 0 1024x768x24" bench/notepad/startup.sh build/suite/memolu_v1001 [runs]
# (-noreset: without it the server resets whenever the last client leaves, and a
# program starting in that moment finds no display.)
# Each program gets a fresh HOME; the time runs from the start of the process to
# its first visible window; memory is VmRSS (and the peak VmHWM) one second later.
set -euo pipefail
memolu="$(realpath "${1:?path to memolu_v1001}")"
runs="${2:-10}"

now_ms() { date +%s%3N; }

measure() { # name command...
    local name="$1"; shift
    local times=() rss=() hwm=()
    for ((i = 0; i < runs; i++)); do
        local home; home="$(mktemp -d)"
        local start; start="$(now_ms)"
        HOME="$home" XDG_CONFIG_HOME="$home/.config" "$@" >/dev/null 2>>"${STARTUP_LOG:-/dev/null}" &
        local pid=$!
        until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
            if ! kill -0 "$pid" 2>/dev/null; then
                echo "$name ended before showing a window (is the X server up?)" >&2
                exit 1
            fi
            sleep 0.002
        done
        times+=("$(( $(now_ms) - start ))")
        sleep 1
        rss+=("$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")")
        hwm+=("$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")")
        kill "$pid"; wait "$pid" 2>/dev/null || true
        rm -rf "$home"
    done
    local sorted; sorted="$(printf '%s\n' "${times[@]}" | sort -n)"
    local median; median="$(echo "$sorted" | sed -n "$(( (runs + 1) / 2 ))p")"
    local rss_med; rss_med="$(printf '%s\n' "${rss[@]}" | sort -n | sed -n "$(( (runs + 1) / 2 ))p")"
    local hwm_max; hwm_max="$(printf '%s\n' "${hwm[@]}" | sort -n | tail -1)"
    printf '%-14s first window: median %4d ms (min %d, max %d)   RSS %5.1f MiB   peak %5.1f MiB\n' \
        "$name" "$median" "$(echo "$sorted" | head -1)" "$(echo "$sorted" | tail -1)" \
        "$(echo "$rss_med / 1024" | bc -l)" "$(echo "$hwm_max / 1024" | bc -l)"
}

# The notepad runs from a copy of its folder so that its settings file is its own.
folder="$(mktemp -d)"
cp "$memolu" "$folder/"
measure memolu_v1001 "$folder/$(basename "$memolu")"
rm -rf "$folder"
if command -v featherpad >/dev/null; then
    measure featherpad featherpad --standalone
else
    echo "featherpad is not installed (apt-get install featherpad)"
fi
