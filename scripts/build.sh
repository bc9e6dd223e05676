#!/usr/bin/env bash
# Configures and builds into build/; the ready program folder is build/suite/.
#   bash scripts/build.sh             everything: the programs, every test and benchmark
#   bash scripts/build.sh all         the programs and what they need, nothing more
# BUILD_DIR (default build/, relative to the source) and CXX choose another tree and compiler:
#   CXX=clang++ BUILD_DIR=build-clang bash scripts/build.sh
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
build_dir=${BUILD_DIR:-build}
case $build_dir in /*) ;; *) build_dir=$root/$build_dir ;; esac
cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target "$@"
