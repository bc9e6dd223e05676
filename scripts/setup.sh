#!/usr/bin/env bash
# Installs the Debian packages the suite needs, when any is missing.
# Quiet and quick when everything is already there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  qt6-webengine-dev libgif-dev
  libsdl2-mixer-dev
  fonts-ipafont-gothic
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdg-utils qt6-wayland dpkg-dev
  libxcb1-dev libxtst-dev desktop-file-utils appstream
  # What a minimal Debian 12 or 13 lacks for the build, the tests and the package (CPack needs `file`).
  file
)

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
