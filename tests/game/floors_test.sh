#!/usr/bin/env bash
# Includes inside game/ run downward only: each folder may include its own files, the floors
# below it and platform/. The build's libraries catch an upward call; this catches an upward
# include of a header that needs no linking (an inline function, a constant, an interface).
set -euo pipefail
cd "$1/game"

floor() {
  case "$1" in
    data) echo 0 ;;
    play|scores) echo 1 ;;
    companion|dialogs) echo 2 ;;
    window) echo 3 ;;
    *) echo 4 ;; # the two builds' mains stand on everything
  esac
}

status=0
while IFS= read -r line; do
  file="${line%%:*}"
  target="$(sed -E 's/.*#include "game\/([a-z_]+)\/.*/\1/' <<<"$line")"
  folder="$(cut -d/ -f1 <<<"$file")"
  [ "$folder" = "$file" ] && folder=top
  if [ "$folder" != "$target" ] && [ "$(floor "$target")" -ge "$(floor "$folder")" ]; then
    echo "upward or sideways include: $line"
    status=1
  fi
done < <(grep -rnE '#include "game/[a-z_]+/' --include='*.h' --include='*.cpp' .  | sed 's|^\./||')
exit $status
