#!/usr/bin/env bash
# Runs the sound test's case for ThreadSanitizer (platform_sound_tsan_test) on a private PulseAudio
# started here, with a recorder on its sink so that the sink plays within milliseconds: the test
# process itself must start no process (see the case in sound_test.cpp).
# Usage: tests/platform/sound/sound_tsan.sh <platform_sound_tsan_test>
set -euo pipefail
root="$(cd "$(dirname "$0")/../../.." && pwd)"
. "$root/bench/sound/pulse_server.sh"
tmp=$(mktemp -d)
recorder=""
trap '[ -n "$recorder" ] && kill "$recorder" 2>/dev/null; pulse_stop; rm -rf "$tmp"' EXIT
pulse_start "$tmp"
parec -d bench.monitor --raw --latency-msec=2 "$tmp/heard.raw" &
recorder=$!
# A new server's null sink renders seconds ahead at first: the recording grows once it plays
# within milliseconds (a tenth of a second recorded).
for _ in $(seq 300); do [ "$(stat -c %s "$tmp/heard.raw" 2>/dev/null || echo 0)" -gt 17640 ] && break; sleep 0.01; done
# The sanitizer's memory layout needs the address space less random than some kernels make it:
# without randomisation where that may be asked for (a container may refuse it).
run=()
if setarch "$(uname -m)" -R true 2>/dev/null; then
  run=(setarch "$(uname -m)" -R)
fi
# A race, or anything else the sanitizer reports, ends the test with exit code 66.
TSAN_OPTIONS="exitcode=66 second_deadlock_stack=1 suppressions=$root/tests/platform/sound/sound_tsan.supp" "${run[@]}" "$1" --gtest_filter='PulseSoundUnderTsan.*'
