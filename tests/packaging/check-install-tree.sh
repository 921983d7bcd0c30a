#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop finds there: the
# program, its desktop entry, its AppStream metainfo and the icon in every theme size,
# and nothing else. The desktop entry and the metainfo must pass the freedesktop validators.
#
# With PROBE, a test program that prints and fetches through the program's services, it then
# runs PROBE from the installed bin/, where it must load the services plugin from that tree.
#
# Usage: check-install-tree.sh CMAKE BUILD_DIR SOURCE_DIR [PROBE]
set -euo pipefail

cmake=${1:?cmake command}
build=${2:?build directory}
source=${3:?source directory}
probe=${4:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/root"
prefix="$root/usr"

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install did not succeed" >&2
    exit 1
fi

# The whole tree, file by file: no headers, tests or build tools; one private library, the
# plugin the program loads when it first prints or checks for an update.
expected_files="bin/corvanel
lib/corvanel/libcorvanel-qt-services.so
share/applications/example.dranwick.corvanel.desktop
share/doc/corvanel/copyright
share/icons/hicolor/128x128/apps/example.dranwick.corvanel.png
share/icons/hicolor/16x16/apps/example.dranwick.corvanel.png
share/icons/hicolor/22x22/apps/example.dranwick.corvanel.png
share/icons/hicolor/24x24/apps/example.dranwick.corvanel.png
share/icons/hicolor/256x256/apps/example.dranwick.corvanel.png
share/icons/hicolor/32x32/apps/example.dranwick.corvanel.png
share/icons/hicolor/48x48/apps/example.dranwick.corvanel.png
share/icons/hicolor/64x64/apps/example.dranwick.corvanel.png
share/icons/hicolor/scalable/apps/example.dranwick.corvanel.svg
share/metainfo/example.dranwick.corvanel.metainfo.xml"
actual_files=$(cd "$prefix" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
if [ "$actual_files" != "$expected_files" ]; then
    fail "installed files differ from the expected tree:"
    diff <(echo "$expected_files") <(echo "$actual_files") >&2 || true
fi

[ -x "$prefix/bin/corvanel" ] || fail "bin/corvanel is not an executable file"
for f in share/applications/example.dranwick.corvanel.desktop share/metainfo/example.dranwick.corvanel.metainfo.xml \
    share/icons/hicolor/scalable/apps/example.dranwick.corvanel.svg; do
    [ ! -x "$prefix/$f" ] || fail "$f should not be executable"
done

# The scalable icon is the program's own globe, unchanged.
cmp -s "$source/src/resources/globe.svg" "$prefix/share/icons/hicolor/scalable/apps/example.dranwick.corvanel.svg" ||
    fail "the scalable icon is not src/resources/globe.svg"

# Each bitmap is a PNG of its directory's size: signature, then width and height in IHDR.
for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/example.dranwick.corvanel.png"
    [ -f "$png" ] || continue
    read -r -a header <<<"$(od -An -v -tu1 -N24 "$png" | tr '\n' ' ')"
    signature="${header[*]:0:8}"
    [ "$signature" = "137 80 78 71 13 10 26 10" ] || fail "${size}x${size}: not a PNG file"
    width=$(((header[16] << 24) | (header[17] << 16) | (header[18] << 8) | header[19]))
    height=$(((header[20] << 24) | (header[21] << 16) | (header[22] << 8) | header[23]))
    if [ "$width" -ne "$size" ] || [ "$height" -ne "$size" ]; then
        fail "${size}x${size}/apps icon is ${width}x${height}"
    fi
done

# The entries menus and software centres read.
desktop="$prefix/share/applications/example.dranwick.corvanel.desktop"
for line in "[Desktop Entry]" "Type=Application" "Name=Corvanel" "Exec=corvanel" \
    "Icon=example.dranwick.corvanel" "Terminal=false" "Categories=Education;Science;Chemistry;" \
    "StartupWMClass=Corvanel"; do
    grep -qxF "$line" "$desktop" || fail "desktop entry lacks the line: $line"
done

metainfo="$prefix/share/metainfo/example.dranwick.corvanel.metainfo.xml"
for text in '<component type="desktop-application">' \
    '<id>example.dranwick.corvanel</id>' \
    '<name>Corvanel</name>' \
    '<metadata_license>CC0-1.0</metadata_license>' \
    '<project_license>LicenseRef-proprietary</project_license>' \
    '<developer_name>Dranwick</developer_name>' \
    '<launchable type="desktop-id">example.dranwick.corvanel.desktop</launchable>' \
    '<binary>corvanel</binary>' \
    '<url type="homepage">https://www.dranwick.example</url>' \
    '<release version="1.2.1" date="2026-12-08"/>' \
    '<content_rating type="oars-1.1"/>' \
    '<image>https://www.dranwick.example/corvanel/screenshots/main-window.png</image>'; do
    grep -qF "$text" "$metainfo" || fail "metainfo lacks: $text"
done
grep -q '<summary>[^<]' "$metainfo" || fail "metainfo has no summary"
grep -q '<description>' "$metainfo" || fail "metainfo has no description"

# desktop-file-validate fails on errors only; its warnings count here as well. (Its hint that
# Education and Science are both main categories is expected: the program belongs to both.)
if ! desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 ||
    grep -qE ': (error|warning):' "$work/desktop.log"; then
    cat "$work/desktop.log" >&2
    fail "desktop-file-validate rejects the desktop entry"
fi

# Strict: any warning or info fails. The validator does not know the .example top-level domain
# of the maker's reverse-DNS id and says so as an info; that one alone is let through.
appstream_options=(--no-net --strict --override=cid-maybe-not-rdns=pedantic)
if ! appstreamcli validate "${appstream_options[@]}" "$metainfo" >"$work/appstream.log" 2>&1; then
    cat "$work/appstream.log" >&2
    fail "appstreamcli validate rejects the metainfo"
fi
# The tree as a whole: the launchable in the metainfo names a desktop entry that is installed.
if ! appstreamcli validate-tree "${appstream_options[@]}" "$root" >"$work/tree.log" 2>&1; then
    cat "$work/tree.log" >&2
    fail "appstreamcli validate-tree rejects the installed tree"
fi

# The program finds its plugin relative to itself, so an installed tree works wherever it lies.
if [ -n "$probe" ]; then
    cp "$probe" "$prefix/bin/"
    if ! QT_QPA_PLATFORM=offscreen "$prefix/bin/$(basename "$probe")" >"$work/probe.log" 2>&1; then
        cat "$work/probe.log" >&2
        fail "the services plugin does not load from the installed tree"
    fi
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed tree OK"
