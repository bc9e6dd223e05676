#!/usr/bin/env bash
# Installs the build tree into a throw-away prefix and looks at it as a desktop does: the program
# folder whole, the launchers, the menu entries and icons where the desktop looks for them, the
# entries valid, and the installed programs starting from their launchers.
# Then a second install beside it and the first one's uninstall, which must take exactly its own files;
# last the Debian package, its contents and the game started from it.
#   install_test.sh <build dir> <program folder of the build> <source dir>
set -uo pipefail
build=$1
suite=$2
source=$3
prefix=$(mktemp -d "${TMPDIR:-/tmp}/mipo-install.XXXXXX")
pids=()
# The user's own install lists its files in the build tree's manifests; ours must not replace them
# (nor fail on them when a root install left them unwritable): they are kept aside meanwhile.
aside=$prefix.manifests
mkdir -p "$aside"
for m in "$build"/install_manifest*.txt; do
    [ -e "$m" ] && mv "$m" "$aside/"
done
cleanup()
{
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    chattr -i "$prefix/lib/mipo-suite" 2>/dev/null
    chmod u+w "$prefix/lib/mipo-suite" 2>/dev/null
    rm -f "$build"/install_manifest*.txt
    mv "$aside"/* "$build/" 2>/dev/null
    rm -rf "$prefix" "$aside"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Every tool the test needs is installed by scripts/setup.sh; one that is missing fails the test
# (rather than leaving a part of it unchecked); lintian comes with the tests' own packages
# (scripts/setup.sh --tests).
missing=
for need in desktop-file-validate:desktop-file-utils appstreamcli:appstream cpack:cmake \
            dpkg-shlibdeps:dpkg-dev dpkg-deb:dpkg file:file lintian:lintian; do
    command -v "${need%%:*}" >/dev/null || missing+=" ${need%%:*} (Debian package ${need#*:})"
done
if [ -n "$missing" ]; then
    echo "FAIL: missing:$missing; bash scripts/setup.sh installs them" >&2
    exit 1
fi

# install_into <prefix>: cmake --install, its output shown only when it fails.
install_into()
{
    if ! cmake --install "$build" --prefix "$1" >"$1.log" 2>&1; then
        cat "$1.log" >&2
        rm -f "$1.log"
        return 1
    fi
    rm -f "$1.log"
}

# The install writes nothing into the build tree (a root install would leave it unwritable for the
# next build) but CMake's own manifest.
stamp=$prefix/.stamp
touch "$stamp"
sleep 1
if ! install_into "$prefix"; then
    echo "FAIL: cmake --install" >&2
    exit 1
fi
written=$(find "$build" \( -path "$build/test-home" -o -path "$build/Testing" -o -path "$build/suite" \
    -o -path "$build/tests" -o -path "$build/tests-bin" \) -prune -o -type f -newer "$stamp" ! -name 'install_manifest*.txt' -print)
[ -z "$written" ] || fail "the install wrote into the build tree: $written"
rm -f "$stamp"
# Installing again over it, as after a rebuild, keeps one list of the prefix's files.
install_into "$prefix" || fail "cmake --install again into the same prefix"

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
    # The desktop matches a window to its entry by the window's class, which is the entry's id.
    grep -q -x -F "StartupWMClass=$id.$e" "$desktop" || fail "$e: StartupWMClass is not $id.$e"
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
# The program folder is closed as a system-wide install's is: made immutable (which stops root
# too), or for a user simply read-only.
closed=
if chattr +i "$app" 2>/dev/null || { [ "$(id -u)" -ne 0 ] && chmod a-w "$app"; }; then
    closed=yes
    rm -rf "${XDG_DATA_HOME:-$HOME/.local/share}/mipo-suite"
fi
logs=$prefix/logs
mkdir -p "$logs"
started=()
# start <name> <program>: runs it from / with its output in $logs/<name>.
start()
{
    (cd / && exec "$2") >"$logs/$1" 2>&1 &
    pids+=($!)
    started+=("$1")
}
# stop_started: every program started must still run; it is stopped and must end as stopped.
stop_started()
{
    local i status
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
    started=()
}
for l in "${launchers[@]}"; do
    path=$prefix/bin/$l
    [ "$l" = mipo-pokan ] && path=$prefix/home/bin/mipo-pokan
    start "$l" "$path"
done
# The game is up once it has read and written its settings: beside the program while the folder
# is writable, else in the player's own data folder. A closed folder stands for a system-wide
# install: then only the player's folder may be used.
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
stop_started

# --- a second install elsewhere, then the first one's uninstall: it removes every file it installed
# there and nothing of the other prefix; what the players wrote in the program folder stays.
second=$prefix/second
if install_into "$second"; then
    chattr -i "$app" 2>/dev/null
    chmod u+w "$app"
    if bash "$source/scripts/uninstall.sh" "$prefix" >"$logs/uninstall" 2>&1; then
        left=$(cd "$prefix" && find . -path ./second -prune -o -path ./home -prune -o -path ./logs -prune -o -type f -print |
            grep -v -E '/(score\.ini|config\.csv|mlz_config\.ini)$')
        [ -z "$left" ] || fail "the uninstall left installed files: $left"
        [ -z "$closed" ] && [ ! -f "$app/config.csv" ] && fail "the player's config.csv went with the uninstall"
        [ -x "$second/lib/mipo-suite/mpkx_v1081dx7" ] && [ -x "$second/bin/mipo-pokan" ] &&
            [ -f "$second/share/applications/$id.MipoPokan.desktop" ] || fail "the uninstall took files of another prefix"
    else
        fail "scripts/uninstall.sh $prefix:"
        sed 's/^/    /' "$logs/uninstall" >&2
    fi
else
    fail "cmake --install into a second prefix"
fi

# --- the Debian package (cmake/Package.cmake): what it holds and needs, lintian's verdict,
# and the game started from the unpacked package, keeping its files per user.
package_test()
{
    local dir=$prefix/package
    if ! cpack --config "$build/CPackConfig.cmake" -B "$dir" >"$logs/cpack" 2>&1; then
        fail "cpack:"
        sed 's/^/    /' "$logs/cpack" >&2
        return
    fi
    local deb
    deb=$(echo "$dir"/mipo-suite_*.deb)
    [ -f "$deb" ] || { fail "cpack made no mipo-suite_*.deb"; return; }
    local listing paths
    listing=$(dpkg-deb -c "$deb")
    paths=$(awk '{ print $6 }' <<<"$listing")
    local programs=(mpkx_v1081dx7 mpkx_v1080dx7 memolu_v1001 クルリト1 zorvik_home yomino02)
    [ -e "$suite/brovu_v1000" ] && programs+=(brovu_v1000)
    local expected=(usr/share/doc/mipo-suite/copyright usr/share/doc/mipo-suite/changelog.gz
        usr/lib/mipo-suite/keep-data-per-user usr/lib/mipo-suite/bmp/mipo31.bmp usr/lib/mipo-suite/wav/q1.wav
        "usr/share/metainfo/$id.MipoPokan.metainfo.xml" "usr/share/icons/hicolor/48x48/apps/$id.MipoPokan.png")
    for p in "${programs[@]}"; do expected+=("usr/lib/mipo-suite/$p"); done
    for l in "${launchers[@]}"; do expected+=("usr/games/$l" "usr/share/man/man6/$l.6.gz"); done
    for e in "${entries[@]}"; do expected+=("usr/share/applications/$id.$e.desktop"); done
    for p in "${expected[@]}"; do
        grep -q -x -F "./$p" <<<"$paths" || fail "the package lacks /$p"
    done
    local stray
    stray=$(grep -v -E '^\./(usr/.*)?$' <<<"$paths")
    [ -z "$stray" ] || fail "the package installs outside /usr: $stray"
    stray=$(grep -E '/(install_manifest\.txt|score\.ini|config\.csv|mlz_config\.ini)$' <<<"$paths")
    [ -z "$stray" ] || fail "the package holds files of a build tree or a player: $stray"
    stray=$(awk '$1 !~ /^l/ && substr($1, 9, 1) == "w" { print $6 }' <<<"$listing")
    [ -z "$stray" ] || fail "the package has files writable for everyone: $stray"
    stray=$(awk '$2 != "root/root" { print $6 }' <<<"$listing")
    [ -z "$stray" ] || fail "the package has files not owned by root: $stray"
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    local needed=(libqt6widgets6 libsdl2-mixer-2.0-0 libc6 fonts-ipafont-gothic qt6-translations-l10n)
    [ -e "$suite/brovu_v1000" ] && needed+=(libqt6webenginecore6-bin)
    for d in "${needed[@]}"; do
        grep -q -E "(^|, )$d( |,|$)" <<<"$depends" || fail "the package does not depend on $d: $depends"
    done
    # Each package once (apt takes a second mention, with another version or none, but lintian and
    # people reading it do not).
    stray=$(sed 's/, /\n/g' <<<"$depends" | sed 's/[ (].*//' | sort | uniq -d)
    [ -z "$stray" ] || fail "Depends names more than once: $stray"

    if command -v lintian >/dev/null; then
        lintian --fail-on error "$deb" >"$logs/lintian" 2>&1 || { fail "lintian:"; sed 's/^/    /' "$logs/lintian" >&2; }
    else
        fail "lintian is not installed, the package is not checked by it (scripts/setup.sh --tests installs it)"
    fi

    local root=$dir/root
    dpkg-deb -x "$deb" "$root" || { fail "dpkg-deb -x"; return; }
    local leaked
    leaked=$(grep -r -l -a -F -e "$build" -e "$source" "$root")
    [ -z "$leaked" ] || fail "the package names the build's own paths: $leaked"
    grep -q -x "Exec=/usr/games/mipo-pokan" "$root/usr/share/applications/$id.MipoPokan.desktop" ||
        fail "the game's entry does not start /usr/games/mipo-pokan"

    # Unpacked where root may write: the mark keeps the game's files in the player's folder.
    local player=$dir/player
    mkdir -p "$player"
    XDG_DATA_HOME=$player start "the packaged game" "$root/usr/games/mipo-pokan"
    for _ in $(seq 1 100); do
        [ -f "$player/mipo-suite/config.csv" ] && break
        sleep 0.1
    done
    [ -f "$player/mipo-suite/config.csv" ] || fail "the packaged game wrote no config.csv to the player's folder"
    [ ! -e "$root/usr/lib/mipo-suite/config.csv" ] || fail "the packaged game wrote into its program folder"
    stop_started
}
package_test

if [ "$failures" -ne 0 ]; then
    echo "$failures failures" >&2
    exit 1
fi
echo "installed into a temporary prefix: ${#launchers[@]} launchers, ${#entries[@]} entries, all started; uninstalled"
