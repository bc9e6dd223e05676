#!/usr/bin/env bash
# Installs the build tree into a throw-away prefix and looks at it as a desktop does: the program
# folder whole, the launchers, the menu entries and icons where the desktop looks for them, the
# entries valid, and the installed programs starting from their launchers.
#   install_test.sh <build dir> <program folder of the build>
set -uo pipefail
build=$1
suite=$2
prefix=$(mktemp -d "${TMPDIR:-/tmp}/mipo-install.XXXXXX")
pids=()
cleanup()
{
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    chattr -i "$prefix/lib/mipo-suite" 2>/dev/null
    rm -rf "$prefix"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log" >&2
    rm -f "$prefix.log"
    echo "FAIL: cmake --install" >&2
    exit 1
fi
rm -f "$prefix.log"

app=$prefix/lib/mipo-suite
apps=$prefix/share/applications
icons=$prefix/share/icons/hicolor
id=com.example.zorvik

# --- the program folder, whole: every file of the build's folder but what a player wrote there
for f in mpkx_v1081dx7 mpkx_v1080dx7 memolu_v1001 クルリト1 zorvik_home yomino02 bmp/mipo31.bmp \
         bmp/harisen3.cur wav/q1.wav cg/home.gif hitc.csv missc.csv mpkx.html 更新履歴mpkx.txt memolu.ico; do
    [ -e "$suite/$f" ] || fail "the build's program folder lacks $f: build everything before installing"
done
while IFS= read -r -d '' f; do
    rel=${f#"$suite"/}
    case $(basename "$rel") in
    score.ini* | config.csv* | mlz_config.ini*)
        [ -e "$app/$rel" ] && fail "a player's file was installed: $rel"
        continue ;;
    esac
    if [ ! -e "$app/$rel" ]; then
        fail "not installed: $rel"
    elif [ -x "$f" ]; then
        [ -x "$app/$rel" ] || fail "installed without its execute bit: $rel"
    else
        cmp -s "$f" "$app/$rel" || fail "installed with other bytes: $rel"
    fi
done < <(find "$suite" -type f -print0)

# Nobody but the installer may change what is installed.
writable=$(find "$prefix" -perm -o+w ! -type l)
[ -z "$writable" ] || fail "writable for everyone: $writable"

# --- launchers, and the menu entries that start them
launchers=(mipo-pokan mipo-pokan-earlier mipo-memolu mipo-kururito mipo-yomino)
entries=(MipoPokan MipoPokanEarlier Memolu Kururito Yomino)
if [ -e "$suite/brovu_v1000" ]; then
    launchers+=(mipo-brovu)
    entries+=(Picoron)
fi
for l in "${launchers[@]}"; do
    [ -x "$prefix/bin/$l" ] || fail "no launcher $prefix/bin/$l"
done
[ "$(find "$apps" -name '*.desktop' | wc -l)" -eq "${#entries[@]}" ] || fail "expected ${#entries[@]} entries in $apps"

png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'; }

for e in "${entries[@]}"; do
    desktop=$apps/$id.$e.desktop
    if [ ! -f "$desktop" ]; then
        fail "no menu entry $desktop"
        continue
    fi
    desktop-file-validate "$desktop" || fail "desktop-file-validate $desktop"
    for key in 'Name' 'Name\[ja\]' 'Comment' 'Comment\[ja\]' 'Categories'; do
        grep -q "^$key=." "$desktop" || fail "$e: no $key"
    done
    exec_path=$(sed -n 's/^Exec=//p' "$desktop")
    case $exec_path in
    "$prefix/bin/"*) [ -x "$exec_path" ] || fail "$e: Exec $exec_path is not an installed launcher" ;;
    *) fail "$e: Exec=$exec_path does not start a launcher of this prefix" ;;
    esac
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    for size in 16 22 24 32 48 64 128 256 512; do
        png=$icons/${size}x${size}/apps/$icon.png
        if [ ! -f "$png" ]; then
            fail "$e: no icon $png"
        elif [ "$(png_size "$png")" != "${size}x${size}" ]; then
            fail "$e: $png is $(png_size "$png"), not ${size}x${size}"
        fi
    done
done
cmp -s "$icons/48x48/apps/$id.MipoPokan.png" "$icons/48x48/apps/$id.Memolu.png" &&
    fail "the game and the notepad share one picture"

# --- the game's AppStream description
metainfo=$prefix/share/metainfo/$id.MipoPokan.metainfo.xml
if [ -f "$metainfo" ]; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate $metainfo"
    grep -q "<launchable type=\"desktop-id\">$id.MipoPokan.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not name the game's menu entry"
    grep -q '<image>https://.*\.png</image>' "$metainfo" || fail "the metainfo has no screenshot"
else
    fail "no $metainfo"
fi

# --- the installed programs start from their launchers and keep running until stopped.
# The game runs through a link to its launcher, as from ~/bin.
mkdir -p "$prefix/home/bin"
ln -s "$prefix/bin/mipo-pokan" "$prefix/home/bin/mipo-pokan"
export QT_QPA_PLATFORM=offscreen
closed=
if chattr +i "$app" 2>/dev/null; then
    closed=yes
    rm -rf "${XDG_DATA_HOME:-$HOME/.local/share}/mipo-suite"
fi
logs=$prefix/logs
mkdir -p "$logs"
started=()
for l in "${launchers[@]}"; do
    path=$prefix/bin/$l
    [ "$l" = mipo-pokan ] && path=$prefix/home/bin/mipo-pokan
    (cd / && exec "$path") >"$logs/$l" 2>&1 &
    pids+=($!)
    started+=("$l")
done
# The game is up once it has read and written its settings: beside the program while the folder
# is writable, else in the player's own data folder. A folder made immutable (which stops root
# too) stands for a system-wide install: then only the player's folder may be used.
user_data=${XDG_DATA_HOME:-$HOME/.local/share}/mipo-suite
for _ in $(seq 1 100); do
    [ -f "$app/config.csv" ] || [ -f "$user_data/config.csv" ] && break
    sleep 0.1
done
if [ -n "$closed" ]; then
    [ -f "$user_data/config.csv" ] || fail "the game in a closed program folder wrote no config.csv to $user_data"
    [ -f "$user_data/score.ini" ] || fail "the game in a closed program folder wrote no score.ini to $user_data"
    [ ! -e "$app/config.csv" ] || fail "the game wrote into its closed program folder"
else
    [ -f "$app/config.csv" ] || [ -f "$user_data/config.csv" ] ||
        fail "the installed game wrote no config.csv within 10 seconds"
fi
sleep 2
for i in "${!pids[@]}"; do
    if kill -0 "${pids[$i]}" 2>/dev/null; then
        kill "${pids[$i]}"
        wait "${pids[$i]}"
        status=$?
        [ "$status" -eq 143 ] || [ "$status" -eq 0 ] || fail "${started[$i]} ended with $status when stopped"
    else
        wait "${pids[$i]}"
        fail "${started[$i]} ended by itself with $? before it was stopped:"
        sed 's/^/    /' "$logs/${started[$i]}" >&2
    fi
done
pids=()

if [ "$failures" -ne 0 ]; then
    echo "$failures failures" >&2
    exit 1
fi
echo "installed into a temporary prefix: ${#launchers[@]} launchers, ${#entries[@]} entries, all started"
