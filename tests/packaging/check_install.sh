#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Kestrova developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built game into a temporary prefix, runs it from there with a fresh home, and builds
# the Debian package: what a desktop and a packager rely on.
# Usage: check_install.sh BUILD_DIR APP_ID VERSION [lintian|no-lintian]
set -euo pipefail
build=$1 id=$2 version=$3 lint=${4:-lintian}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

p=$work/prefix
cmake --install "$build" --prefix "$p" >/dev/null
[ -x "$p/bin/kestrova" ] || fail "no bin/kestrova"
# The sound back end is a plug-in in a private library folder: the program links no Qt Multimedia.
plugin=$(find "$p" -name kestrova-sound.so -path '*/lib*/kestrova/*')
[ -n "$plugin" ] || fail "no sound plug-in in lib/"
! grep -i multimedia <<<"$(ldd "$p/bin/kestrova")" || fail "the program links Qt Multimedia"
grep -q libQt6Multimedia <<<"$(ldd "$plugin")" || fail "the sound plug-in does not link Qt Multimedia"
for f in img0/0.gif img6/setname.txt back/back0.jpg sounds/click1.wav help.txt help-e.txt \
    zagadki/zagi.txt web/index-e.htm; do
    [ -f "$p/share/kestrova/$f" ] || fail "no share/kestrova/$f"
done
for f in record.txt Kestrova.ini; do
    [ ! -e "$p/share/kestrova/$f" ] || fail "$f is shipped; the game writes it"
done
for size in 16 24 32 48 64 128 256; do
    [ -f "$p/share/icons/hicolor/${size}x$size/apps/$id.png" ] || fail "no ${size}px icon"
done
desktop-file-validate "$p/share/applications/$id.desktop"
appstreamcli validate --pedantic --no-net "$p/share/metainfo/$id.metainfo.xml" >"$work/as.txt" ||
    fail "metainfo: $(cat "$work/as.txt")"
! grep -q '^[EWI]: ' "$work/as.txt" || fail "metainfo: $(cat "$work/as.txt")"

# The manual page renders without a warning, with every section; the copyright file has the text
# or the place of every licence it names.
man=$p/share/man/man6/kestrova.6.gz
[ -f "$man" ] || fail "no manual page"
for section in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS FILES; do
    zgrep -q "^\.SH $section\$" "$man" || fail "the manual page has no $section"
done
if command -v man >/dev/null; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "the manual page: $warnings"
fi
copyright=$p/share/doc/kestrova/copyright
[ -f "$copyright" ] || fail "no copyright file"
# A licence's own paragraph is its name alone, followed by its text (indented lines).
with_text=$(awk '/^License: [^ ]+$/ {name = $2; next} name && /^ / {print name} {name = ""}' \
    "$copyright" | sort -u)
for licence in $(sed -n 's/^License: //p' "$copyright" | sed 's/ and /\n/g' | sort -u); do
    grep -qx "$licence" <<<"$with_text" || fail "the copyright file lacks the text of $licence"
done
grep -q "^Icon=$id$" "$p/share/applications/$id.desktop" || fail "desktop entry names another icon"
newest=$(grep -o '<release version="[^"]*"' "$p/share/metainfo/$id.metainfo.xml" | head -1)
[ "$newest" = "<release version=\"$version\"" ] || fail "newest release is $newest, not $version"

# Help and version need no screen.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$p/bin/kestrova" --version)
[ "$out" = "Kestrova $version" ] || fail "--version printed '$out'"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$p/bin/kestrova" --help |
    grep -q '^Usage: kestrova' || fail "--help"

# Started from the prefix with a fresh home (and an argument a launcher might pass, which the game
# lets be): the user's data folder is made there, and nothing is written into the prefix.
touch "$work/before"
sleep 1
# The sound plug-in is found from bin/ and loaded once the window is shown.
HOME=$work/home QT_QPA_PLATFORM=offscreen timeout 4 env -u XDG_DATA_HOME "$p/bin/kestrova" \
    --no-such-option "$work/photo.jpg" &
runner=$!
sleep 2.5
game=$(pgrep -P $runner) # env hands its process over to the game
grep -q kestrova-sound.so "/proc/$game/maps" || fail "the installed game did not load its sound"
status=0
wait $runner || status=$?
[ $status -eq 124 ] || fail "the installed game ended with status $status instead of running"
[ -d "$work/home/.local/share/Kestrova" ] || fail "no user data folder"
[ -z "$(find "$p" -newer "$work/before")" ] || fail "the prefix changed: $(find "$p" -newer "$work/before")"

# A portable copy unpacked into a shared folder loads code from its own folder only: a library
# someone put at ../lib/<architecture>/kestrova beside it is never loaded, whether the copy's own
# plug-in is there, missing or broken.
shared=$work/shared
mkdir -p "$(dirname "$shared/${plugin#"$p"/}")"
cp "$plugin" "$shared/${plugin#"$p"/}"
cp -r "$build/app" "$shared/bin"
for own in there missing broken; do
    [ $own = there ] || rm -f "$shared/bin/kestrova-sound.so"
    [ $own != broken ] || echo "not a library" >"$shared/bin/kestrova-sound.so"
    HOME=$work/home QT_QPA_PLATFORM=offscreen timeout 4 "$shared/bin/kestrova" &
    runner=$!
    sleep 2.5
    maps=$(cat "/proc/$(pgrep -P $runner)/maps")
    wait $runner || true
    ! grep -q "$shared/lib" <<<"$maps" || fail "a portable copy loaded $shared/lib ($own)"
    [ $own != there ] || grep -q "$shared/bin/kestrova-sound.so" <<<"$maps" ||
        fail "a portable copy did not load its own sound plug-in"
done

# The Debian package: the same tree below /usr, with the libraries' packages as dependencies.
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/pkg" >/dev/null
deb=$(ls "$work"/pkg/kestrova_"$version"*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6; do
    grep -q "$lib" <<<"$depends" || fail "Depends lacks $lib: $depends"
done
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/games/kestrova ./usr/bin/kestrova ./usr/share/man/man6/kestrova.6.gz \
    ./usr/share/doc/kestrova/copyright ./usr/share/doc/kestrova/changelog.Debian.gz \
    "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" ./usr/share/kestrova/img0/0.gif \
    "./usr/${plugin#"$p"/}" \
    "./usr/share/icons/hicolor/48x48/apps/$id.png"; do
    grep -qx "$f" <<<"$files" || fail "the package lacks $f"
done
outside=$(grep -v '^\./usr/' <<<"$files" | grep -vx '\./' || true)
[ -z "$outside" ] || fail "the package installs outside /usr: $outside"
[ "$(dpkg-deb -c "$deb" | awk '$6 == "./usr/bin/kestrova" {print $8}')" = ../games/kestrova ] ||
    fail "/usr/bin/kestrova is not a link to the game in /usr/games"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/kestrova/changelog.Debian.gz | zcat |
    head -1 | grep -q "^kestrova ($(dpkg-deb -f "$deb" Version)) " ||
    fail "the changelog's newest entry is not the package's version"
if [ "$lint" = lintian ] && command -v lintian >/dev/null; then
    lintian --fail-on error,warning "$deb" >"$work/lintian.txt" 2>&1 ||
        fail "lintian: $(grep -v 'running with root' "$work/lintian.txt")"
fi
echo "installed tree, program, manual page and package: fine"
