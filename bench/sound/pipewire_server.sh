# Sourced by the sound benchmarks instead of pulse_server.sh (SERVER=pipewire): a private
# PipeWire with its session manager and its PulseAudio service, one null sink "bench",
# reached through its own socket; works as root and without a session bus.
#   pulse_start <folder>   starts it, exports PULSE_SERVER and PIPEWIRE_RUNTIME_DIR (for SDL's
#                          pipewire driver), sets pulse_pid (pipewire-pulse)
#   pulse_stop             ends it
pulse_start() {
  local dir="$1"
  mkdir -p "$dir/home/.config/pipewire/pipewire.conf.d" "$dir/runtime"
  chmod 700 "$dir/runtime"
  # The graph at the game's rate, so that nothing is resampled on the way to the recording.
  echo 'context.properties = { default.clock.rate = 44100 default.clock.allowed-rates = [ 44100 ] }' \
    >"$dir/home/.config/pipewire/pipewire.conf.d/rate.conf"
  # Without bluetooth, whose seat watching needs logind: WirePlumber quits where it finds none
  # (a container, a chroot). 0.4 (Debian 12) reads Lua, 0.5 (Debian 13) SPA-JSON.
  mkdir -p "$dir/home/.config/wireplumber/bluetooth.lua.d" "$dir/home/.config/wireplumber/wireplumber.conf.d"
  echo 'bluez_monitor.enabled = false' >"$dir/home/.config/wireplumber/bluetooth.lua.d/80-no-bluetooth.lua"
  echo 'wireplumber.profiles = { main = { monitor.bluez = disabled monitor.bluez.seat-monitoring = disabled } }' \
    >"$dir/home/.config/wireplumber/wireplumber.conf.d/80-no-bluetooth.conf"
  dbus-daemon --session --nofork --address="unix:path=$dir/runtime/bus" >"$dir/dbus.log" 2>&1 &
  pw_pids=($!)
  for _ in $(seq 100); do [ -S "$dir/runtime/bus" ] && break; sleep 0.05; done
  pw_env=(env HOME="$dir/home" XDG_RUNTIME_DIR="$dir/runtime" XDG_CONFIG_HOME="$dir/home/.config"
          DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/runtime/bus" PIPEWIRE_RUNTIME_DIR="$dir/runtime")
  "${pw_env[@]}" pipewire >"$dir/pipewire.log" 2>&1 &
  pw_pids+=($!)
  for _ in $(seq 100); do [ -S "$dir/runtime/pipewire-0" ] && break; sleep 0.05; done
  "${pw_env[@]}" wireplumber >"$dir/wireplumber.log" 2>&1 &
  pw_pids+=($!)
  "${pw_env[@]}" pipewire-pulse >"$dir/pipewire-pulse.log" 2>&1 &
  pulse_pid=$!
  pw_pids+=("$pulse_pid")
  export PULSE_SERVER="unix:$dir/runtime/pulse/native" PIPEWIRE_RUNTIME_DIR="$dir/runtime"
  for _ in $(seq 100); do
    if pactl info >/dev/null 2>&1; then
      pactl load-module module-null-sink sink_name=bench rate=44100 format=s16le channels=2 >/dev/null
      pactl set-default-sink bench
      for _ in $(seq 100); do
        pactl list short sources 2>/dev/null | grep -q 'bench.monitor' && return 0
        sleep 0.05
      done
    fi
    sleep 0.05
  done
  echo "the private PipeWire did not start; see $dir/*.log" >&2
  return 1
}

pulse_stop() {
  local p
  for p in "${pw_pids[@]:-}"; do
    [ -n "$p" ] && kill "$p" 2>/dev/null || true
  done
  for p in "${pw_pids[@]:-}"; do
    [ -n "$p" ] && wait "$p" 2>/dev/null || true
  done
  pw_pids=()
  pulse_pid=""
}
