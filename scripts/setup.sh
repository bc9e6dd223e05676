#!/usr/bin/env bash
# Installs the Debian packages the suite needs, when any is missing.
# Quiet and quick when everything is already there.
#   bash scripts/setup.sh           what the programs and the tests need to build
#   bash scripts/setup.sh --tests   and what the tests need to run (scripts/build.sh asks for it
#                                   when it builds the tests)
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  # Qt's private Gui headers: the window tests that listen as a screen reader switch Qt's
  # accessibility on through them, and the browser's window test sends a close request as the
  # window manager does. The tests' build files ask for them, so the build needs them too.
  qt6-base-private-dev
  qt6-webengine-dev libgif-dev
  libsdl2-mixer-dev libpulse-dev
  fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdg-utils qt6-wayland dpkg-dev
  libxcb1-dev libxtst-dev desktop-file-utils appstream
  # What a minimal Debian 12 or 13 lacks for the build, the tests and the package (CPack needs `file`).
  file
)

# Only the tests use these, never the programs: private sound servers for the tests of the
# sound and of a game whose server goes away (PulseAudio, and PipeWire with its PulseAudio
# service as desktops run it now; pactl), and the check of the Debian package (lintian, over a
# hundred Perl packages). The tests start the servers themselves; Debian enables each server's
# user service when it is installed, so on a desktop that runs the other one see the README.
test_packages=(
  pulseaudio pulseaudio-utils
  pipewire pipewire-pulse wireplumber dbus
  lintian
)
if [ "${1:-}" = "--tests" ]; then
  packages+=("${test_packages[@]}")
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q >/dev/null
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}" >/dev/null
