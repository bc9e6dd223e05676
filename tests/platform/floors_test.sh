#!/usr/bin/env bash
# Includes inside platform/ run downward only, as in game/ (tests/game/floors_test.sh):
#   app/                                        the programs' start, the display, single instance
#   ui/                                         window helpers, surfaces, cursors, the Japanese look
#   sound/  trash/  desktop/                    the services, side by side: none includes another
#   files/  text/                               files and folders; CP932 and the old runtime's rules
#   (top)                                       the clock, random numbers, the program's identity
# A folder may include its own files, the floors below it and, from a back end's folder
# (sound/pulse/), its service's own top (sound/), never a sibling back end. An include inside
# platform/ names the file from the root ("platform/files/atomic_file.h") or, in its own folder,
# by its name alone. The build's libraries catch an upward call; this catches an upward include of
# a header that needs no linking. And since the fakes stand beside the services they stand in for,
# it checks that no program, only the tests and benchmarks, includes one.
set -euo pipefail
cd "$1"

floor() {
  case "$1" in
    top) echo 0 ;;
    files|text) echo 1 ;;
    sound|trash|desktop) echo 2 ;;
    ui) echo 3 ;;
    app) echo 4 ;;
    *) echo unknown ;;
  esac
}

is_fake() { [[ "$(basename "$1")" =~ ^(fake|recording|scripted)_ ]]; }

status=0
fail() {
  echo "$1"
  status=1
}

# The folder of a file below platform/: "sound/pulse", "top" for platform/ itself.
folder_of() {
  local dir
  dir="$(dirname "${1#platform/}")"
  [ "$dir" = . ] && dir=top
  echo "$dir"
}

while IFS= read -r line; do
  file="${line%%:*}"
  target="$(sed -E 's/^[^:]*:[0-9]+:[[:space:]]*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$line")"
  [[ "$target" == *.moc ]] && continue
  if [[ "$target" != platform/* ]]; then
    if [[ "$target" == */* ]] || [ ! -f "$(dirname "$file")/$target" ]; then
      fail "include not named from the root nor in its own folder: $line"
    fi
    continue
  fi
  if [ ! -f "$target" ]; then
    fail "include of a file that is not there: $line"
    continue
  fi
  from="$(folder_of "$file")"
  to="$(folder_of "$target")"
  [ "$from" = "$to" ] && continue
  [ "$to" = top ] && continue
  [[ "$from/" == "$to/"* ]] && continue # a back end on its service's top
  from_service="${from%%/*}"
  to_service="${to%%/*}"
  for service in "$from_service" "$to_service"; do
    if [ "$(floor "$service")" = unknown ]; then
      fail "platform/$service/ stands on no floor: give it one in tests/platform/floors_test.sh and docs/ARCHITECTURE.md"
      continue 2
    fi
  done
  if [ "$from_service" = "$to_service" ] || [ "$(floor "$to_service")" -ge "$(floor "$from_service")" ]; then
    fail "upward or sideways include: $line"
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' --include='*.h' --include='*.cpp' platform)

# The programs (platform/ too) never take a fake: only tests/ and bench/ may.
programs=()
for dir in */; do
  case "$dir" in tests/ | bench/ | build*/) ;; *) programs+=("${dir%/}") ;; esac
done
while IFS= read -r line; do
  target="$(sed -E 's/.*#[[:space:]]*include[[:space:]]*"([^"]+)".*/\1/' <<<"$line")"
  if is_fake "$target" && ! is_fake "${line%%:*}"; then
    fail "a program includes a fake: $line"
  fi
done < <(grep -rnE '#[[:space:]]*include[[:space:]]*"platform/' --include='*.h' --include='*.cpp' "${programs[@]}" || true)
exit $status
