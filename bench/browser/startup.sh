#!/usr/bin/env bash
# ぴころん beside falkon: time to the first window, time to the first page loaded,
# and memory as PSS summed over the whole process tree (the engine's helper
# processes included), on the same page and the same X server.
# Run under an X server, e.g.:
#   xvfb-run -a -s "-noreset -screen 0 1024x768x24" bench/browser/startup.sh build/suite [runs]
#
# The page is the browser's own start page with its pictures and one line added:
# when it has loaded, it asks for the picture "loaded.gif", which is a named
# pipe; the moment a browser opens it is the moment the page was loaded. Both
# browsers open that same file: ぴころん as its start page from a copy of the
# program folder, falkon from the command line (private, no extensions, its own
# instance). Every run gets a fresh HOME. Times run from the start of the
# process; PSS is read two seconds after the page has loaded.
set -euo pipefail
suite="$(realpath "${1:?path to the program folder, e.g. build/suite}")"
runs="${2:-7}"
# The engine does not start as root unless its sandbox is off; the same for both.
if [ "$(id -u)" -eq 0 ]; then export QTWEBENGINE_DISABLE_SANDBOX=1; fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
folder="$work/suite"
mkdir -p "$folder"
cp "$suite/brovu_v1000" "$folder/"
cp -r "$suite/cg" "$folder/"
sed "s|</body>|<script>onload=function(){new Image().src='loaded.gif?'+Date.now()}</script></body>|" \
    "$suite/mpkx.html" > "$folder/mpkx.html"
mkfifo "$folder/loaded.gif"

now_ms() { date +%s%3N; }

# PSS in KiB of a process and all its descendants.
tree_pss() {
    local pids=("$1") all=() p
    while [ ${#pids[@]} -gt 0 ]; do
        p="${pids[0]}"; pids=("${pids[@]:1}"); all+=("$p")
        for c in $(ps -o pid= --ppid "$p"); do pids+=("$c"); done
    done
    for p in "${all[@]}"; do awk '/^Pss:/ {print $2}' "/proc/$p/smaps_rollup" 2>/dev/null || true; done |
        awk '{s += $1} END {print s + 0}'
}

median() { sort -n | sed -n "$(( (runs + 1) / 2 ))p"; }

measure() { # name command...
    local name="$1"; shift
    local windows=() pages=() pss=()
    for ((i = 0; i < runs; i++)); do
        local home; home="$(mktemp -d)"
        rm -f "$work/loaded_at"
        # Blocks until the page opens its picture, then notes the time.
        ( trap '' PIPE; exec 3>"$folder/loaded.gif"; now_ms > "$work/loaded_at"; printf 'GIF89a' >&3 ) 2>/dev/null &
        local beacon=$!
        local start; start="$(now_ms)"
        HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
            XDG_CACHE_HOME="$home/.cache" setsid "$@" >/dev/null 2>>"${STARTUP_LOG:-/dev/null}" &
        local pid=$!
        until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
            kill -0 "$pid" 2>/dev/null || { echo "$name ended before showing a window" >&2; exit 1; }
            sleep 0.002
        done
        windows+=("$(( $(now_ms) - start ))")
        local waited=0
        until [ -s "$work/loaded_at" ]; do
            sleep 0.005; waited=$((waited + 5))
            [ $waited -lt 30000 ] || { echo "$name never loaded the page" >&2; kill "$beacon"; exit 1; }
        done
        pages+=("$(( $(cat "$work/loaded_at") - start ))")
        sleep 2
        pss+=("$(tree_pss "$pid")")
        kill -- "-$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        wait "$beacon" 2>/dev/null || true
        sleep 0.5
        rm -rf "$home"
    done
    local w p m
    w="$(printf '%s\n' "${windows[@]}" | median)"
    p="$(printf '%s\n' "${pages[@]}" | median)"
    m="$(printf '%s\n' "${pss[@]}" | median)"
    printf '%-12s runs %d  first window: median %5d ms (min %d, max %d)  page loaded: median %5d ms (min %d, max %d)  PSS tree: median %6.1f MiB (max %.1f)\n' \
        "$name" "$runs" "$w" "$(printf '%s\n' "${windows[@]}" | sort -n | head -1)" "$(printf '%s\n' "${windows[@]}" | sort -n | tail -1)" \
        "$p" "$(printf '%s\n' "${pages[@]}" | sort -n | head -1)" "$(printf '%s\n' "${pages[@]}" | sort -n | tail -1)" \
        "$(echo "$m / 1024" | bc -l)" "$(echo "$(printf '%s\n' "${pss[@]}" | sort -n | tail -1) / 1024" | bc -l)"
}

measure brovu_v1000 "$folder/brovu_v1000"
if command -v falkon >/dev/null; then
    measure falkon falkon --private-browsing --no-extensions --no-remote "file://$folder/mpkx.html"
else
    echo "falkon is not installed (apt-get install falkon)"
fi
