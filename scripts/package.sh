#!/usr/bin/env bash
# Builds the Debian package of the whole suite: build/mipo-suite_<version>_<arch>.deb
# (see cmake/Package.cmake), and checks it with lintian when lintian is installed.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/build.sh" all
cd "$root/build"
cpack
deb=$(ls -t "$root"/build/mipo-suite_*.deb | head -n 1)
if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb"
else
  echo "lintian is not installed: the package was not checked (apt-get install lintian)"
fi
echo "$deb"
