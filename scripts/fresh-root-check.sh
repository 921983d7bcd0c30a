#!/usr/bin/env bash
# Tries the set-up where nothing was installed by hand. In a minimal Debian 12 made by
# debootstrap, a new user who has only git and sudo clones the commit under test and runs the
# README's test command, then builds the Debian package. That package goes into a second minimal
# Debian 12 with nothing but what apt pulls in for it and Xvfb, and Corvanel must start there and
# map its window.
#
# Run as root from a clone (CI does): scripts/fresh-root-check.sh
# With CORVANEL_FRESH_ROOT_SCREENSHOT=FILE.png it also keeps a picture of the display.
# The bare debootstrap root is kept as a tarball in /var/cache/corvanel-fresh-root/ so that later
# runs skip debootstrap; it never holds anything the project installs. Delete it to start anew.
# The roots themselves live under /var/tmp and go when the check ends, whatever the outcome.
set -euo pipefail

started=$(date +%s)
say() { printf '== fresh root %s: %s\n' "$(date -u +%H:%M:%S)" "$*"; }
elapsed() {
    local seconds=$(($(date +%s) - started))
    printf '%dm%02ds' $((seconds / 60)) $((seconds % 60))
}

if [ "$(id -u)" -ne 0 ]; then
    echo "fresh-root-check: run it as root (debootstrap, chroot and mount need it)" >&2
    exit 2
fi
for tool in debootstrap git xwininfo; do
    if ! command -v "$tool" >/dev/null; then
        echo "fresh-root-check: $tool is missing; scripts/install-deps.sh installs it" >&2
        exit 2
    fi
done

repo=$(cd "$(dirname "$0")/.." && git rev-parse --show-toplevel)
commit=$(git -C "$repo" rev-parse HEAD)
suite=bookworm
arch=$(dpkg --print-architecture)
deb_name=corvanel_1.2.1_${arch}.deb
user=newuser
cache_dir=${CORVANEL_FRESH_ROOT_CACHE:-/var/cache/corvanel-fresh-root}
cache=$cache_dir/$suite-minbase-$arch.tar.gz
# A bare root older than this is made anew, so the roots stay close to a fresh install.
cache_days=14

# The Debian mirrors this machine uses, for debootstrap and for the roots' own apt.
machine_repo() {
    # shellcheck disable=SC2016 # apt's own placeholders
    apt-get indextargets --format '$(RELEASE) $(REPO_URI)' 'Created-By: Packages' 2>/dev/null |
        awk -v release="$1" '$1 == release { print $2; exit }'
}
mirror=$(machine_repo "$suite")
mirror=${mirror:-http://deb.debian.org/debian/}
security=$(machine_repo "$suite-security")

work=$(mktemp -d /var/tmp/corvanel-fresh-root.XXXXXX)
chmod 755 "$work"
mounts=()
background=()
deb=""

# Everything runs in the roots: end every process whose root lies under $work, then the mounts.
# shellcheck disable=SC2317 # reached through the EXIT trap
processes_in_roots() {
    local dir pid
    for dir in /proc/[0-9]*; do
        pid=${dir#/proc/}
        case "$(readlink "$dir/root" 2>/dev/null)" in
        "$work"/*) echo "$pid" ;;
        esac
    done
}
# shellcheck disable=SC2317 # reached through the EXIT trap
cleanup() {
    local status=$? pids index
    trap - EXIT INT TERM
    for pid in "${background[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for _ in $(seq 10); do
        pids=$(processes_in_roots)
        [ -n "$pids" ] || break
        # shellcheck disable=SC2086 # one id per word
        kill -KILL $pids 2>/dev/null || true
        sleep 0.5
    done
    for pid in "${background[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    for ((index = ${#mounts[@]} - 1; index >= 0; index--)); do
        umount "${mounts[index]}" 2>/dev/null || umount --lazy "${mounts[index]}" || true
    done
    # Never delete through a mount that is still there.
    if grep -q " $work/" /proc/self/mounts; then
        echo "fresh-root-check: mounts remain under $work; left in place" >&2
        [ "$status" -ne 0 ] || status=1
    else
        rm -rf "$work"
    fi
    if [ "$status" -eq 0 ]; then
        say "PASSED in $(elapsed)"
    else
        say "FAILED (status $status) after $(elapsed)"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

mount_in() { # mount_in TARGET mount-arguments...
    local target=$1
    shift
    mount "$@" "$target"
    mounts+=("$target")
}

bare_root() {
    if [ -f "$cache" ] && [ -z "$(find "$cache" -mtime +"$cache_days")" ]; then
        return
    fi
    say "making a bare $suite root with debootstrap from $mirror"
    mkdir -p "$cache_dir"
    local bare=$work/bare
    debootstrap --variant=minbase "$suite" "$bare" "$mirror" >"$work/debootstrap.log" 2>&1 || {
        tail -n 30 "$work/debootstrap.log" >&2
        echo "fresh-root-check: debootstrap failed" >&2
        return 1
    }
    tar --numeric-owner -C "$bare" -czf "$cache.new" .
    mv "$cache.new" "$cache"
    rm -rf "$bare"
}

# new_root NAME: unpacks the bare root, points apt at this machine's mirrors and mounts what
# programs expect: /proc, /sys, private pseudo-terminals, /dev/shm and /tmp.
new_root() {
    local root=$work/$1
    mkdir "$root"
    tar --numeric-owner -C "$root" -xzpf "$cache"
    {
        echo "deb $mirror $suite main"
        echo "deb $mirror $suite-updates main"
        if [ -n "$security" ]; then
            echo "deb $security $suite-security main"
        fi
    } >"$root/etc/apt/sources.list"
    # What the installer writes and debootstrap leaves out: sudo and cupsd look these names up.
    printf '127.0.0.1\tlocalhost\n127.0.1.1\t%s\n::1\tlocalhost ip6-localhost ip6-loopback\n' \
        "$(cat "$root/etc/hostname")" >"$root/etc/hosts"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    mount_in "$root/proc" -t proc proc
    mount_in "$root/sys" -t sysfs -o ro,nosuid,nodev,noexec sysfs
    mount_in "$root/dev/pts" -t devpts -o newinstance,ptmxmode=0666,mode=0620,gid=5 devpts
    ln -sf pts/ptmx "$root/dev/ptmx"
    mount_in "$root/dev/shm" -t tmpfs -o mode=1777,nosuid,nodev tmpfs
    mount_in "$root/tmp" -t tmpfs -o mode=1777,nosuid,nodev tmpfs
}

# in_root NAME COMMAND...: as root in the root, with a clean environment and no input.
in_root() {
    local root=$work/$1
    shift
    env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
        chroot "$root" "$@" </dev/null
}

# as_user NAME SCRIPT: a login shell of the new user in the root, as after logging in.
as_user() {
    local root=$work/$1
    shift
    env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 ${DISPLAY_FOR_USER:+DISPLAY=$DISPLAY_FOR_USER} \
        chroot "$root" runuser --login "$user" --whitelist-environment=LANG,DISPLAY -c "$1" </dev/null
}

add_user() {
    in_root "$1" useradd --create-home --shell /bin/bash --groups sudo "$user"
}

# 1. The README's test command, as a new user with git and sudo; leaves the package in $deb.
readme_test_in_first_root() {
    local home=$work/build/home/$user
    say "first root: git and sudo, then a clone and ./test as $user"
    new_root build
    in_root build apt-get update -qq
    in_root build apt-get install -y -qq --no-install-recommends git sudo >/dev/null
    add_user build
    # A new user's sudo asks for their password; here nobody is there to type it.
    echo "$user ALL=(ALL:ALL) NOPASSWD: ALL" >"$work/build/etc/sudoers.d/$user"
    chmod 440 "$work/build/etc/sudoers.d/$user"
    git -C "$repo" bundle create -q "$home/corvanel.bundle" HEAD
    chmod 644 "$home/corvanel.bundle"
    as_user build 'git clone -q -c advice.detachedHead=false ~/corvanel.bundle corvanel'
    say "./test (install, build, every test)"
    as_user build 'cd corvanel && ./test'
    say "./test passed after $(elapsed); make package"
    as_user build 'cd corvanel && make package' >"$work/package.log" 2>&1 || {
        tail -n 40 "$work/package.log" >&2
        echo "fresh-root-check: make package failed" >&2
        exit 1
    }
    deb=$home/corvanel/build/$deb_name
    [ -f "$deb" ] || {
        echo "fresh-root-check: make package made no build/$deb_name" >&2
        exit 1
    }
}

# 2. The package alone, with Xvfb, in a second fresh root: Corvanel must map its window.
package_in_second_root() {
    local display="" number corvanel state
    say "second root: apt-get install ./$deb_name and xvfb"
    new_root package
    cp "$deb" "$work/package/tmp/$deb_name"
    in_root package apt-get update -qq
    in_root package apt-get install -y -qq --no-install-recommends "/tmp/$deb_name" xvfb >"$work/install.log" 2>&1 || {
        tail -n 40 "$work/install.log" >&2
        echo "fresh-root-check: the package did not install" >&2
        exit 1
    }
    add_user package

    # Xvfb runs in the root; the check looks at it from here through the server's abstract socket,
    # which the root shares with this machine. A display number far above the ones xvfb-run -a
    # picks, and free here, keeps both sides apart.
    for number in $(seq 300 399); do
        if [ ! -e "/tmp/.X$number-lock" ] && ! grep -q "@/tmp/.X11-unix/X$number\$" /proc/net/unix; then
            display=$number
            break
        fi
    done
    [ -n "$display" ] || {
        echo "fresh-root-check: no free X display between :300 and :399" >&2
        exit 1
    }
    as_user package "exec Xvfb :$display -nolisten tcp -noreset -screen 0 1024x768x24" >"$work/xvfb.log" 2>&1 &
    background+=($!)
    for _ in $(seq 100); do
        xwininfo -display ":$display" -root >/dev/null 2>&1 && break
        sleep 0.1
    done
    xwininfo -display ":$display" -root >/dev/null 2>&1 || {
        cat "$work/xvfb.log" >&2
        echo "fresh-root-check: Xvfb did not start in the second root" >&2
        exit 1
    }

    say "corvanel on :$display"
    DISPLAY_FOR_USER=:$display as_user package 'exec corvanel' >"$work/corvanel.log" 2>&1 &
    corvanel=$!
    background+=("$corvanel")
    for _ in $(seq 150); do
        state=$(xwininfo -display ":$display" -name Corvanel 2>/dev/null | sed -n 's/^ *Map State: //p' || true)
        [ "$state" = IsViewable ] && break
        kill -0 "$corvanel" 2>/dev/null || break
        sleep 0.2
    done
    if [ "$state" != IsViewable ]; then
        cat "$work/corvanel.log" >&2
        echo "fresh-root-check: no viewable Corvanel window (map state '${state:-none}')" >&2
        exit 1
    fi
    xwininfo -display ":$display" -name Corvanel | sed -n 's/^ *\(Width\|Height\|Map State\):/  &/p'
    if [ -n "${CORVANEL_FRESH_ROOT_SCREENSHOT:-}" ]; then
        sleep 1
        import -display ":$display" -window root "$CORVANEL_FRESH_ROOT_SCREENSHOT"
    fi
    # Still running a moment later, not just drawn on the way out.
    sleep 1
    kill -0 "$corvanel" 2>/dev/null || {
        cat "$work/corvanel.log" >&2
        echo "fresh-root-check: corvanel ended on its own" >&2
        exit 1
    }
    say "corvanel maps its window from the installed package"
}

# Everything runs from this one line, which bash has read in full before it starts: editing
# the script during a long run cannot change the run.
main() {
    say "checking commit $commit in $work"
    bare_root
    readme_test_in_first_root
    package_in_second_root
}
main; exit
