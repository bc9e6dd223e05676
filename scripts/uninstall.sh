#!/usr/bin/env bash
# Removes the suite from a prefix it was installed into with `cmake --install`:
#   bash scripts/uninstall.sh <prefix>        (with sudo for a system-wide install)
# Takes exactly the files that prefix's list names (lib/mipo-suite/install_manifest.txt, written by
# every install there), whichever build tree they came from and whatever was installed elsewhere
# since. What the programs wrote into their folder (scores, settings) stays, and is named.
set -euo pipefail
if [ $# -ne 1 ] || [ -z "$1" ]; then
    echo "usage: $0 <prefix>" >&2
    exit 2
fi
prefix=$(cd "$1" && pwd)
folder=$prefix/lib/mipo-suite
list=$folder/install_manifest.txt
if [ ! -f "$list" ]; then
    echo "$0: no suite installed in $prefix ($list is missing)" >&2
    exit 1
fi

removed=0
while IFS= read -r rel || [ -n "$rel" ]; do
    [ -n "$rel" ] && [ ! -d "$prefix/$rel" ] || continue
    case "/$rel/" in
    //* | */../*)
        echo "$0: skipped a line that leaves the prefix: $rel" >&2
        continue ;;
    esac
    if [ -e "$prefix/$rel" ] || [ -L "$prefix/$rel" ]; then
        rm -f -- "$prefix/$rel"
        removed=$((removed + 1))
    fi
done < <(grep -v -x -F 'lib/mipo-suite/install_manifest.txt' "$list")
rm -f -- "$list"
removed=$((removed + 1))

# The program folder's own subfolders go when they are empty; the desktop's shared folders
# (bin/, share/applications/, the icon theme) stay.
find "$folder" -depth -type d -empty -delete 2>/dev/null || true
echo "removed $removed files from $prefix"
if [ -d "$folder" ]; then
    echo "kept what the programs wrote in $folder:"
    find "$folder" -type f | sed 's/^/    /'
fi
