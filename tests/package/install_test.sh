#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package into a fresh minimal Debian 12, made with debootstrap from the
# mirror this machine's apt uses, with apt and the package's Depends only (no Recommends). Then,
# inside that system, the installed program must find every library, its print module must too,
# fontconfig must resolve the two Chinese fonts, and the program must show its window on a
# private Xvfb display of this machine (scripts/with-xvfb.sh) without a word about a missing
# plugin, library or font. A copy of the same fresh system, with only the seven packages of
# plain_build added, must build the program and its plugin from the source with a plain cmake;
# there, last, scripts/run.sh without a display must suggest a screenshot command that, run as
# written, gives a picture of the window.
# Usage: tests/package/install_test.sh [package.deb [screenshot.png]], by default the package
# BRANNOCK_PACKAGE names.
# Exit status 77: skipped (no package, not root, a tool missing, no Xvfb, or no mirror answers).
# Everything mounted lives in a private mount namespace; the temporary system is removed at exit.
set -euo pipefail

skip() { echo "SKIP: $*" >&2; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }

# Prints the URIs of the "deb" sources with component main for suite $1, as apt reads its own
# source lists (one-line and deb822 alike, disabled entries left out).
mirror_for() {
    apt-get indextargets --no-release-info --format '$(TARGET_OF) $(RELEASE) $(COMPONENT) $(REPO_URI)' \
        | awk -v suite="$1" '$1 == "deb" && $2 == suite && $3 == "main" && !seen[$4]++ { print $4 }'
}

# A plain build from the source tree in the fresh system $2, with only the least a plain cmake
# build needs added (scripts/install-deps.sh run installs more, and Ninja rather than make); $1
# the temporary folder.
plain_build() {
    local tmp=$1 root=$2
    local packages=(g++ cmake make pkg-config qt6-base-dev libgl-dev libcups2-dev)
    mount -t proc proc "$root/proc"
    echo "plain build: apt-get install ${packages[*]}"
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 sh -c \
        "apt-get update -q && DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
         --no-install-recommends ${packages[*]}" >"$tmp/build-apt.log" 2>&1 \
        || { tail -n 40 "$tmp/build-apt.log" >&2; fail "apt-get install ${packages[*]}"; }
    mkdir -p "$root/src"
    git -C "$source" ls-files -z | (cd "$source" && tar --null -T - -cf -) | tar -xf - -C "$root/src"
    chroot "$root" env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME=/root sh -c \
        "cd /src && cmake -S . -B build && cmake --build build -j $(nproc)" >"$tmp/build.log" 2>&1 \
        || { tail -n 40 "$tmp/build.log" >&2; fail "the plain cmake build"; }
    [ -x "$root/src/build/bin/brannock" ] || fail "the plain build made no program"
    compgen -G "$root/src/build/lib*/brannock/libbrannock_print_queue.so" >/dev/null \
        || fail "the plain build made no print plugin"
    echo "plain build: the program and its plugin built with ${packages[*]} only"
    newcomer "$tmp" "$root"
    umount "$root/proc"
}

# A newcomer's first steps in the fresh system $2 (with the source in /src), with no display:
# scripts/run.sh installs what it needs, builds the program and suggests a screenshot command,
# which must give a picture of the window as large as the README's; $1 the temporary folder.
newcomer() {
    local tmp=$1 root=$2 status=0 suggested size
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 HOME=/root \
        /src/scripts/run.sh >"$tmp/run.log" 2>&1 || status=$?
    suggested=$(sed -n 's/^ *\(scripts\/screenshot\.sh.*\)$/\1/p' "$tmp/run.log")
    if [ "$status" -ne 2 ] || [ -z "$suggested" ]; then
        tail -n 40 "$tmp/run.log" >&2
        fail "scripts/run.sh without a display did not suggest scripts/screenshot.sh"
    fi
    echo "scripts/run.sh without a display suggests: $suggested"
    chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 HOME=/root sh -c \
        "cd /src && $suggested" >"$tmp/screenshot.log" 2>&1 \
        || { tail -n 40 "$tmp/screenshot.log" >&2; fail "$suggested"; }
    size=$(identify -format '%wx%h' "$root/src/build-run/brannock.png") || fail "no picture"
    [ "$size" = "$(identify -format '%wx%h' "$source/docs/screenshot.png")" ] \
        || fail "the window's picture is $size, unlike docs/screenshot.png"
    echo "$suggested: a picture of the window, $size"
}

# The first source for suite $1 in apt's lists whose archive says it is Debian's (a third-party
# list may name the same suite); empty when none answers.
debian_mirror() {
    local uri candidates
    mapfile -t candidates < <(mirror_for "$1")
    for uri in "${candidates[@]}"; do
        [[ $uri == http://* || $uri == https://* ]] || continue
        if wget -q --timeout=20 --tries=2 -O - "${uri%/}/dists/$1/Release" 2>/dev/null \
            | grep -x 'Origin: Debian' >/dev/null; then
            echo "$uri"
            return
        fi
    done
}

# The part that runs inside the private mount namespace: $1 the package, $2 the temporary folder.
inside() {
    local deb=$1 tmp=$2 root=$2/root mirror=$3 shot=$4
    local name
    name=$(basename "$deb")
    program=
    trap '[ -z "$program" ] || kill "$program" 2>/dev/null' EXIT

    # https mirrors need the certificates in the new system as well.
    local include=()
    [[ $mirror == https://* ]] && include=(--include=ca-certificates)
    echo "debootstrap --variant=minbase bookworm from $mirror"
    debootstrap --variant=minbase "${include[@]}" bookworm "$root" "$mirror" >"$tmp/debootstrap.log" 2>&1 \
        || { tail -n 30 "$tmp/debootstrap.log" >&2; fail "debootstrap"; }

    {
        echo "deb $mirror bookworm main"
        local updates security
        updates=$(debian_mirror bookworm-updates)
        security=$(debian_mirror bookworm-security)
        [ -n "$updates" ] && echo "deb $updates bookworm-updates main"
        [ -n "$security" ] && echo "deb $security bookworm-security main"
    } >"$root/etc/apt/sources.list"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    cp -a "$root" "$tmp/build-root"
    plain_build "$tmp" "$tmp/build-root"
    cp "$deb" "$root/root/$name"

    mount -t proc proc "$root/proc"
    mount -t sysfs sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mkdir -p "$root/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"

    in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }

    echo "apt-get install ./$name"
    in_root apt-get update -q >"$tmp/apt.log" 2>&1 || { cat "$tmp/apt.log" >&2; fail "apt-get update"; }
    in_root sh -c "cd /root && DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends ./$name" >>"$tmp/apt.log" 2>&1 \
        || { tail -n 40 "$tmp/apt.log" >&2; fail "apt-get install ./$name"; }
    grep -E '^(Setting up|Unpacking) brannock' "$tmp/apt.log" | head -n 1
    echo "$(in_root dpkg-query -W -f='${binary:Package}\n' | wc -l) packages installed in the new system"

    # Every library of the program and of its print module is there.
    local module
    module=$(in_root dpkg -L brannock | grep '/brannock/libbrannock_print_queue\.so$') \
        || fail "the package holds no print module"
    for f in /usr/bin/brannock "$module"; do
        in_root ldd "$f" >"$tmp/ldd" || fail "ldd $f"
        ! grep 'not found' "$tmp/ldd" || fail "$f misses libraries"
    done

    # The Chinese fonts the window and the report ask for resolve to themselves.
    for family in "AR PL UMing CN" "WenQuanYi Zen Hei"; do
        local got
        got=$(in_root fc-match -f '%{family}' "$family")
        echo "fc-match \"$family\": $got"
        grep -qF "$family" <<<"$got" || fail "fontconfig resolves \"$family\" to \"$got\""
    done
    echo "Latin sans: $(in_root fc-match -f '%{family}' sans-serif)"

    # The display is this machine's private Xvfb, whose socket folder is bound into the new system.
    local display=$DISPLAY id=
    # The program runs as nobody, as a user would run it, with nothing but the display set.
    mkdir -p "$root/tmp/home"
    chown 65534:65534 "$root/tmp/home"
    chroot --userspec=65534:65534 "$root" env -i PATH=/usr/bin:/bin HOME=/tmp/home LANG=C.UTF-8 \
        DISPLAY="$display" QT_QPA_PLATFORM=xcb /usr/bin/brannock 2>"$tmp/stderr" &
    program=$!
    for _ in $(seq 1 300); do
        id=$(DISPLAY=$display xwininfo -name Brannock 2>/dev/null | awk '/Window id:/ { print $4 }') || true
        [ -n "$id" ] && break
        kill -0 "$program" 2>/dev/null || break
        sleep 0.1
    done
    if [ -n "$id" ]; then
        sleep 1 # let it paint
        [ -n "$shot" ] && DISPLAY=$display import -window "$id" "$shot"
    fi
    local alive=yes
    kill -0 "$program" 2>/dev/null || alive=no
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    program=

    echo "--- the program's stderr"
    cat "$tmp/stderr"
    echo "---"
    [ -n "$id" ] || fail "the window Brannock did not appear within 30 s (program still running: $alive)"
    [ "$alive" = yes ] || fail "the program ended by itself"
    ! grep -Ei 'could not load the qt platform plugin|could not find the qt platform plugin|cannot open shared object|cannot load library|not found|qfont|fontconfig|qt\.qpa\.(plugin|fonts)|failed to start' \
        "$tmp/stderr" || fail "the program complained about a missing plugin, library or font"
    echo "window $id shown on $display${shot:+, picture in $shot}"
}

if [ "${1:-}" = --inside ]; then
    shift
    inside "$@"
    exit
fi

deb=${1:-${BRANNOCK_PACKAGE:-}}
[ -f "$deb" ] || skip "no package; name it in BRANNOCK_PACKAGE"
deb=$(realpath "$deb")
shot=${2:+$(realpath -m "$2")}
[ "$(id -u)" -eq 0 ] || skip "debootstrap, chroot and mounts need root"
source=$(git -C "$(dirname "$0")" rev-parse --show-toplevel) || skip "not in a git checkout"
export source
for tool in debootstrap unshare chroot wget xwininfo import identify git; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
done

mirror=$(debian_mirror bookworm)
[ -n "$mirror" ] || skip "no Debian mirror for bookworm main in apt's sources answers over http(s)"

start=$SECONDS
tmp=$(mktemp -d /var/tmp/brannock-install-test.XXXXXX)
# The mounts went with the namespace; --one-file-system still never crosses into one left over.
trap 'rm -rf --one-file-system "$tmp"' EXIT
status=0
unshare --mount --propagation private "$source/scripts/with-xvfb.sh" \
    bash "$0" --inside "$deb" "$tmp" "$mirror" "$shot" || status=$?
echo "install test: $((SECONDS - start)) s"
[ "$status" -eq 0 ] && echo "PASS: $(basename "$deb") installs into a fresh Debian 12 and shows" \
    "its window; the source builds there with a plain cmake"
exit "$status"
