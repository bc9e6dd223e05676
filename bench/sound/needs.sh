#!/usr/bin/env bash
# Installs what the sound benchmarks need and the suite does not: a sound server (PipeWire
# with its PulseAudio service and session manager too when SERVER=pipewire), its
# command-line clients, sox and xdotool. Never run by the tests.
set -euo pipefail
packages=(pulseaudio pulseaudio-utils sox xdotool xvfb xauth)
[ "${SERVER:-}" = pipewire ] && packages+=(pipewire pipewire-pulse wireplumber)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "Installing for the sound benchmarks: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q >/dev/null
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
