#!/usr/bin/env bash
# Checks the committed suite on a clean minimal Debian system of one release, in a chroot:
#   sudo bash scripts/check-release.sh bookworm|trixie
# It debootstraps the release from the Debian mirror this machine's apt uses (once; kept under
# /var/tmp/mipo-release/<release>/base, with apt's downloaded packages beside it), and in a fresh copy
# of it clones the commit checked out here, runs the README's test command (`bash scripts/test.sh`, as
# root) and `bash scripts/package.sh`, and runs lintian on the package. The package is then installed
# with apt into a second fresh copy, as a user would, where every launcher in /usr/games answers
# --version, and the game and the notepad are started under Xvfb as a normal user: they must still be
# running after a few seconds and end cleanly when stopped. One line per step at the end.
#   MIPO_RELEASE_CACHE   where the systems are kept (default /var/tmp/mipo-release)
#   MIPO_RELEASE_CLANG=1 also builds everything with the release's clang++ (scripts/build.sh, build-clang/)
# Whatever happens, every mount it made is undone on the way out. Needs root (chroot, mount).
set -uo pipefail

release=${1:-}
case $release in
bookworm | trixie) ;;
*)
    echo "usage: sudo bash scripts/check-release.sh bookworm|trixie" >&2
    exit 2 ;;
esac
if [ "$(id -u)" -ne 0 ]; then
    echo "check-release.sh must run as root: it debootstraps a system and mounts /proc, /sys and /dev into it." >&2
    echo "Run: sudo bash scripts/check-release.sh $release" >&2
    exit 1
fi

source_dir="$(cd "$(dirname "$0")/.." && pwd)"
cache=${MIPO_RELEASE_CACHE:-/var/tmp/mipo-release}/$release
base=$cache/base
archives=$cache/archives
logs=$cache/logs
build_root=$cache/build
user_root=$cache/user
mkdir -p "$archives/partial" "$logs"

# --- every mount is listed here and undone, last first, on any way out
mounts=()
unmount_all()
{
    local i
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[$i]}" 2>/dev/null || umount -l "${mounts[$i]}" 2>/dev/null ||
            echo "could not unmount ${mounts[$i]}" >&2
    done
    mounts=()
}
trap unmount_all EXIT

mount_into()  # mount_into <target> <mount arguments...>
{
    local target=$1
    shift
    mkdir -p "$target"
    mount "$@" "$target" && mounts+=("$target")
}

# attach <root>: the kernel's file systems and the shared package cache inside a system.
attach()
{
    local root=$1
    mount_into "$root/proc" -t proc proc &&
        mount_into "$root/sys" -t sysfs sysfs &&
        mount_into "$root/dev" --bind /dev &&
        mount_into "$root/dev/pts" --bind /dev/pts &&
        mount_into "$root/dev/shm" -t tmpfs -o mode=1777 shm &&
        mount_into "$root/var/cache/apt/archives" --bind "$archives"
}

# --- one line per step at the end
summary=()
failed=0
step()  # step <name> <command...>: runs it with its output in $logs/<name>.log
{
    local name=$1
    shift
    local start=$SECONDS status
    echo "== $name (log: $logs/$name.log)"
    "$@" >"$logs/$name.log" 2>&1
    status=$?
    local took=$((SECONDS - start))
    if [ "$status" -eq 0 ]; then
        summary+=("$(printf '%-8s %-12s %-9s %5d s' passed "$release" "$name" "$took")")
    else
        failed=$((failed + 1))
        summary+=("$(printf '%-8s %-12s %-9s %5d s  (exit %d, see %s)' failed "$release" "$name" "$took" "$status" "$logs/$name.log")")
        tail -n 30 "$logs/$name.log" | sed 's/^/    /'
    fi
    return "$status"
}
finish()
{
    unmount_all
    echo
    echo "check-release $release, commit ${commit:-}:"
    printf '%s\n' "${summary[@]}"
    [ "$failed" -eq 0 ]
    exit $?
}
# Stopped by a signal: the steps so far are still reported.
trap 'summary+=("interrupted"); failed=$((failed + 1)); finish' INT TERM HUP

# --- the mirror this machine's apt uses: the first Debian archive (not its security archive) named in
# its sources, deb822 or one-line.
host_mirror()
{
    local uri
    uri=$(awk '
        /^[ \t]*$/ { if (deb && uri != "" && uri !~ /security/) { print uri; exit } deb = 0; uri = ""; next }
        tolower($1) == "types:" && / deb( |$)/ { deb = 1 }
        tolower($1) == "uris:" { uri = $2 }
        END { if (deb && uri != "" && uri !~ /security/) print uri }' /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n 1)
    if [ -z "$uri" ]; then
        uri=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
            awk '$1 == "deb" { for (i = 2; i <= NF; i++) if ($i !~ /^\[/ && $i !~ /=/) { if ($i !~ /security/) print $i; break } }' | head -n 1)
    fi
    echo "${uri:-http://deb.debian.org/debian}"
}
mirror=$(host_mirror)
mirror=${mirror%/}
security_mirror=${mirror%/debian}/debian-security
commit=$(git -C "$source_dir" rev-parse HEAD)
if [ -n "$(git -C "$source_dir" status --porcelain --untracked-files=no)" ]; then
    echo "note: the work tree has changes that are not committed; the check takes the commit $commit only"
fi
echo "checking $commit on Debian $release from $mirror (systems in $cache)"

# --- tools: debootstrap, and the archive's key for this release in the keyring that checks it
export DEBIAN_FRONTEND=noninteractive
if ! command -v debootstrap >/dev/null; then
    echo "installing debootstrap"
    apt-get update -q >/dev/null && apt-get install -y -q debootstrap >/dev/null || { echo "could not install debootstrap" >&2; exit 1; }
fi
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
knows_release()
{
    # The keyring package ships each release's keys also as their own files.
    [ -f "/usr/share/keyrings/debian-archive-$release-automatic.gpg" ] && [ -f "$keyring" ]
}
if ! knows_release; then
    echo "the archive keyring of this machine has no key for $release: updating debian-archive-keyring"
    apt-get update -q >/dev/null && apt-get install -y -q debian-archive-keyring >/dev/null
fi
if ! knows_release; then
    echo "debian-archive-keyring $(dpkg-query -W -f='${Version}' debian-archive-keyring 2>/dev/null) holds no key for $release;" >&2
    echo "install a newer one (Debian 12's stable updates have it) and run again. Nothing is checked unsigned." >&2
    exit 1
fi

# --- the base system, made once
make_base()
{
    rm -rf "$base.new"
    debootstrap --variant=minbase --keyring="$keyring" --cache-dir="$archives" "$release" "$base.new" "$mirror" || return 1
    # The release, its stable updates and its security updates, as an installed system has them.
    rm -f "$base.new/etc/apt/sources.list"
    cat >"$base.new/etc/apt/sources.list.d/debian.sources" <<EOF
Types: deb
URIs: $mirror
Suites: $release $release-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb
URIs: $security_mirror
Suites: $release-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    # minbase has no keyring package of its own on every release; the one that checked it stays.
    [ -f "$base.new/usr/share/keyrings/debian-archive-keyring.gpg" ] ||
        install -D -m 644 "$keyring" "$base.new/usr/share/keyrings/debian-archive-keyring.gpg"
    mv "$base.new" "$base"
}
if [ -d "$base" ]; then
    summary+=("$(printf '%-8s %-12s %-9s' cached "$release" debootstrap)")
else
    step debootstrap make_base || finish
fi

# remove <root>: deletes a copy, never through a mount (one left by a run that was killed is undone first).
remove()
{
    local root=$1 m
    for m in $(awk -v r="$root/" 'index($2, r) == 1 { print $2 }' /proc/self/mounts | sort -r); do
        umount "$m" 2>/dev/null || umount -l "$m"
    done
    if awk -v r="$root/" 'index($2, r) == 1 { found = 1 } END { exit !found }' /proc/self/mounts; then
        echo "$root still has mounts: not removed" >&2
        return 1
    fi
    rm -rf --one-file-system "$root"
}
# fresh <root>: a clean copy of the base system with the kernel's file systems attached.
fresh()
{
    local root=$1
    remove "$root" || return 1
    cp -a "$base" "$root" || return 1
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    attach "$root"
}
# run_in <root> <command>: runs a shell command as root in the system, with a plain environment.
run_in()
{
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 TERM=dumb DEBIAN_FRONTEND=noninteractive /bin/bash -c "$1"
}

# --- the build system: clone, the README's test command, the package, lintian
clone()
{
    fresh "$build_root" || return 1
    git clone -q --no-hardlinks "$source_dir" "$build_root/src/mipo-suite" &&
        git -C "$build_root/src/mipo-suite" checkout -q --detach "$commit"
}
step clone clone || finish
step test run_in "$build_root" "cd /src/mipo-suite && bash scripts/test.sh"
step package run_in "$build_root" "cd /src/mipo-suite && bash scripts/package.sh" || finish
lint()
{
    run_in "$build_root" "apt-get install -y -q --no-install-recommends lintian >/dev/null &&
        cd /src/mipo-suite && lintian --pedantic --info --fail-on error,warning build/mipo-suite_*.deb"
}
step lintian lint
if [ "${MIPO_RELEASE_CLANG:-0}" = 1 ]; then
    clang_build()
    {
        run_in "$build_root" "apt-get install -y -q --no-install-recommends clang >/dev/null &&
            set -o pipefail && cd /src/mipo-suite && CXX=clang++ BUILD_DIR=build-clang bash scripts/build.sh 2>&1 | tee /tmp/clang.log &&
            ! grep -q 'warning:' /tmp/clang.log"
    }
    step clang clang_build
fi
cp "$build_root"/src/mipo-suite/build/mipo-suite_*.deb "$cache/" 2>/dev/null
deb=$(ls -t "$cache"/mipo-suite_*.deb 2>/dev/null | head -n 1)
unmount_all
remove "$build_root"

# --- a user's system: the package installed with apt, every launcher, the game and the notepad on a display
install_package()
{
    fresh "$user_root" || return 1
    cp "$deb" "$user_root/tmp/" &&
        run_in "$user_root" "apt-get update -q && apt-get install -y -q /tmp/$(basename "$deb")" &&
        run_in "$user_root" "useradd -m player"
}
step install install_package || finish
versions()
{
    run_in "$user_root" 'status=0
        for l in /usr/games/*; do
            if out=$(runuser -u player -- "$l" --version 2>&1) && [ -n "$out" ]; then
                echo "$l: $out"
            else
                echo "FAIL: $l --version: $out"; status=1
            fi
        done
        exit $status'
}
step versions versions
# Xvfb is the test's own display, installed after the package so that it adds nothing the package needs.
on_display()
{
    run_in "$user_root" "apt-get install -y -q --no-install-recommends xvfb xauth >/dev/null" || return 1
    run_in "$user_root" 'cat >/tmp/two-programs.sh <<"EOF"
status=0
for l in mipo-pokan mipo-memolu; do
    /usr/games/$l >/tmp/$l.log 2>&1 &
    pid=$!
    sleep 8
    if kill -0 $pid 2>/dev/null; then
        kill $pid
        wait $pid
        code=$?
        if [ $code -eq 0 ] || [ $code -eq 143 ]; then
            echo "$l: running after 8 s, ended with $code when stopped"
        else
            echo "FAIL: $l ended with $code when stopped"; status=1
        fi
    else
        wait $pid
        echo "FAIL: $l ended by itself with $? within 8 s"; status=1
    fi
    sed "s/^/    $l: /" /tmp/$l.log
done
exit $status
EOF
chmod 755 /tmp/two-programs.sh
cd /home/player && runuser -u player -- env HOME=/home/player xvfb-run -a -s "-screen 0 1280x1024x24" /tmp/two-programs.sh'
}
step display on_display
finish
