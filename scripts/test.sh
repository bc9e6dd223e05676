#!/usr/bin/env bash
# Sets up, builds and runs every test headless; ends with ctest's summary.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"
