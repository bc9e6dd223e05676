#!/usr/bin/env bash
# Sets up, builds the programs (not the tests) and starts the game from the program folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh" all
exec "$root/build/suite/mpkx_v1081dx7" "$@"
