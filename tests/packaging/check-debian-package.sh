#!/usr/bin/env bash
# Packs the build into a Debian package, as `make package` does, and checks its control data,
# its file list and that the program starts from the unpacked package.
#
# Usage: check-debian-package.sh CPACK BUILD_DIR
set -euo pipefail

cpack=${1:?cpack command}
build=${2:?build directory}

work=$(mktemp -d)
program=""
cleanup() {
    if [ -n "$program" ]; then
        kill "$program" 2>/dev/null || true
        wait "$program" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Pack into the temporary directory, so the test leaves the build's own package alone.
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    echo "FAIL: cpack did not build the package" >&2
    exit 1
fi
arch=$(dpkg --print-architecture)
deb="$work/out/corvanel_1.2.1_${arch}.deb"
if [ ! -f "$deb" ]; then
    ls -l "$work/out" >&2
    echo "FAIL: no corvanel_1.2.1_${arch}.deb" >&2
    exit 1
fi

# --- control data -------------------------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
expect_field() {
    local actual
    actual=$(field "$1")
    [ "$actual" = "$2" ] || fail "$1 is '$actual', expected '$2'"
}
expect_field Package corvanel
expect_field Version 1.2.1
expect_field Architecture "$arch"
expect_field Maintainer "Dranwick <support@dranwick.example>"
expect_field Section science
expect_field Priority optional
expect_field Homepage https://www.dranwick.example
# The synopsis line, then the long description: each line indented by one space and short
# enough for an 80-column terminal.
description=$(field Description)
[ "$(echo "$description" | head -n 1)" = "A desktop reference of the chemical elements" ] ||
    fail "Description starts '$(echo "$description" | head -n 1)'"
long_lines=$(echo "$description" | tail -n +2)
[ "$(echo "$long_lines" | grep -c .)" -ge 2 ] || fail "Description has no long description"
echo "$long_lines" | grep -v '^ [^ ]' && fail "long description lines not indented by one space"
echo "$long_lines" | grep -E '.{80}' && fail "long description lines wider than 79 columns"

depends=$(field Depends)
echo "Depends: $depends"
# Package names only: one per relation, alternatives and version constraints dropped.
depend_names=$(echo "$depends" | tr ',|' '\n' | sed -E 's/\(.*\)//; s/^ +//; s/ +$//' | sed '/^$/d' | sort -u)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6printsupport6 \
    fonts-liberation2 fonts-dejavu-core qt6-wayland qt6-translations-l10n libc6 libstdc++6; do
    grep -qxF "$package" <<<"$depend_names" || fail "Depends lacks $package"
done
# The art is drawn at build time: nothing renders SVG when the program runs.
grep -qxF libqt6svg6 <<<"$depend_names" && fail "Depends names libqt6svg6, which the program does not use"
relations=$(echo "$depends" | tr ',' '\n' | sed -E 's/^ +//; s/ +$//')
for package in libc6 libstdc++6 libqt6core6; do
    grep -q "^$package (>= " <<<"$relations" || fail "Depends has no minimum version of $package"
done
if echo "$depend_names" | grep -E -- '-dev$|^qt6-base-dev|^cmake$|^g\+\+'; then
    fail "Depends names a build-time package"
fi

# --- files ----------------------------------------------------------------------------------------
# dpkg-deb -c: mode owner/group size date time path
dpkg-deb -c "$deb" >"$work/contents"
expected_files="./usr/bin/corvanel
./usr/lib/corvanel/libcorvanel-qt-services.so
./usr/share/applications/example.dranwick.corvanel.desktop
./usr/share/doc/corvanel/copyright
./usr/share/icons/hicolor/128x128/apps/example.dranwick.corvanel.png
./usr/share/icons/hicolor/16x16/apps/example.dranwick.corvanel.png
./usr/share/icons/hicolor/22x22/apps/example.dranwick.corvanel.png
./usr/share/icons/hicolor/24x24/apps/example.dranwick.corvanel.png
./usr/share/icons/hicolor/256x256/apps/example.dranwick.corvanel.png
./usr/share/icons/hicolor/32x32/apps/example.dranwick.corvanel.png
./usr/share/icons/hicolor/48x48/apps/example.dranwick.corvanel.png
./usr/share/icons/hicolor/64x64/apps/example.dranwick.corvanel.png
./usr/share/icons/hicolor/scalable/apps/example.dranwick.corvanel.svg
./usr/share/metainfo/example.dranwick.corvanel.metainfo.xml"
actual_files=$(awk '$1 !~ /^d/ { print $6 }' "$work/contents" | LC_ALL=C sort)
if [ "$actual_files" != "$expected_files" ]; then
    fail "package files differ from the expected tree:"
    diff <(echo "$expected_files") <(echo "$actual_files") >&2 || true
fi
awk '$1 ~ /^d/ && $6 != "./" && $6 !~ /^\.\/usr\// { print }' "$work/contents" | grep . &&
    fail "directories outside /usr"
awk '$2 != "root/root" { print }' "$work/contents" | grep . && fail "entries not owned by root"
awk '$1 ~ /^d/ && $1 != "drwxr-xr-x" { print }' "$work/contents" | grep . && fail "directories not 755"
awk '$1 ~ /^-/ && $6 != "./usr/bin/corvanel" && $1 != "-rw-r--r--" { print }' "$work/contents" | grep . &&
    fail "data files not 644"
grep -qE '^-rwxr-xr-x .* \./usr/bin/corvanel$' "$work/contents" || fail "usr/bin/corvanel is not 755"

# --- the unpacked program -------------------------------------------------------------------------
dpkg-deb -x "$deb" "$work/root"
binary="$work/root/usr/bin/corvanel"
if readelf -S "$binary" | grep '\.debug_info' >/dev/null; then
    fail "the packaged binary still has its debugging sections"
fi

# Every library the binary links comes from a package that Depends names.
needed=$(readelf -d "$binary" | sed -nE 's/.*\(NEEDED\).*\[(.*)\].*/\1/p')
for soname in $needed; do
    # dpkg -S: "package:arch: /path/to/lib.so.N"; libraries of other architectures do not count.
    owners=$(dpkg -S "*/$soname" 2>/dev/null | awk -v arch=":$arch:" -v lib="/$soname" '
        function endsWith(text, end) { return substr(text, length(text) - length(end) + 1) == end }
        endsWith($1, arch) && endsWith($2, lib) { print substr($1, 1, length($1) - length(arch)) }' | sort -u)
    [ -n "$owners" ] || {
        fail "no installed package provides $soname"
        continue
    }
    found=no
    for owner in $owners; do
        grep -qxF "$owner" <<<"$depend_names" && found=yes
    done
    [ "$found" = yes ] || fail "$soname comes from ${owners//$'\n'/ }, which Depends does not name"
done

# The program starts from the package's tree and keeps running until it is stopped.
QT_QPA_PLATFORM=offscreen "$binary" >"$work/run.log" 2>&1 &
program=$!
sleep 1.5
if kill -0 "$program" 2>/dev/null; then
    kill "$program"
    wait "$program" 2>/dev/null || true
else
    wait "$program" && status=0 || status=$?
    cat "$work/run.log" >&2
    fail "the packaged corvanel exited with status $status right after starting"
fi
program=""

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "package $(basename "$deb") OK"
