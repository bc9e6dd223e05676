# Sourced by the sound benchmarks: a private PulseAudio with one null sink, "bench",
# reached through its own socket; works as root and without a session bus.
#   pulse_start <folder>   starts it, exports PULSE_SERVER, sets pulse_pid
#   pulse_stop             ends it
pulse_start() {
  local dir="$1"
  mkdir -p "$dir/home" "$dir/runtime"
  HOME="$dir/home" PULSE_RUNTIME_PATH="$dir/runtime" pulseaudio -n --daemonize=no --exit-idle-time=-1 \
    --disallow-exit --use-pid-file=no --log-target=file:"$dir/pulse.log" \
    --load="module-null-sink sink_name=bench" \
    --load="module-native-protocol-unix socket=$dir/pulse.sock auth-anonymous=1" &
  pulse_pid=$!
  export PULSE_SERVER="unix:$dir/pulse.sock"
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  echo "the private sound server did not start; see $dir/pulse.log" >&2
  return 1
}

pulse_stop() {
  if [ -n "${pulse_pid:-}" ]; then
    kill "$pulse_pid" 2>/dev/null || true
    wait "$pulse_pid" 2>/dev/null || true
    pulse_pid=""
  fi
}
