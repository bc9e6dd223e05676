#!/usr/bin/env bash
# Configures and builds into build/; the ready program folder is build/suite/.
#   bash scripts/build.sh             everything: the programs, every test and benchmark
#   bash scripts/build.sh all         the programs and what they need, nothing more
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
if [ $# -eq 0 ]; then
  set -- all suite_tests
fi
# The tests need a few packages more to run; the programs alone never do.
if [[ " $* " == *" suite_tests "* ]]; then
  bash "$root/scripts/setup.sh" --tests
else
  bash "$root/scripts/setup.sh"
fi
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target "$@"
