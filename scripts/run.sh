#!/usr/bin/env bash
# Sets up, builds and starts the game from the program folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh"
exec "$root/build/suite/mpkx_v1081dx7" "$@"
