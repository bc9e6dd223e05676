#!/usr/bin/env bash
# Sets up, builds and runs every test headless; ends with ctest's summary.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh"
# The web engine refuses to run as root (CI containers) unless its sandbox is off.
export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy QTWEBENGINE_DISABLE_SANDBOX=1
cd "$root/build"
ctest --output-on-failure -j"$(nproc)"
