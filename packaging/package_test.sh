#!/bin/sh
# Builds the .deb with CPack, unpacks it into a scratch root (no root
# rights needed) and checks what a user gets: the dependencies, the
# installed iob2quorvane converting a sample file, and, with the desktop
# program, its desktop entry, metainfo and icon, all validated. Exits 77
# (skipped) when a tool it needs is not installed.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR WITH_GUI(ON|OFF)
set -eu
build=$1 source=$2 gui=$3
tools="cpack dpkg-deb dpkg-shlibdeps zcat groff"
[ "$gui" != ON ] || tools="$tools ldd file desktop-file-validate appstreamcli"
sh "$(dirname "$0")/skip_without.sh" $tools || exit
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/*.deb)
root=$work/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"

version=$("$usr/bin/iob2quorvane" --version)
[ "$version" = "iob2quorvane $(dpkg-deb -f "$deb" Version)" ] || fail "--version says: $version"
"$usr/bin/iob2quorvane" "$source/examples/network.iob" "$work/network.txt"
cmp "$work/network.txt" "$source/examples/network.txt" || fail "the installed converter's output differs"

zcat "$usr/share/man/man1/iob2quorvane.1.gz" | groff -man -ww -z 2>"$work/man.log"
[ ! -s "$work/man.log" ] || { cat "$work/man.log"; fail "man page warnings"; }

if [ "$gui" = ON ]; then
    for library in libqt6widgets6 libqt6gui6 libqt6core6; do
        echo "$depends" | grep -q "$library" || fail "no dependency on $library"
    done
    [ -x "$usr/bin/IobToQuorvane" ] || fail "IobToQuorvane is not installed"
    ! ldd "$usr/bin/IobToQuorvane" | grep -q 'not found' || fail "IobToQuorvane misses libraries"

    desktop=$(ls "$usr"/share/applications/*.desktop)
    desktop-file-validate "$desktop" || fail "desktop entry"
    appstreamcli validate --no-net "$usr"/share/metainfo/*.metainfo.xml || fail "metainfo"

    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in /usr/bin"
    icon_name=$(sed -n 's/^Icon=//p' "$desktop")
    icon=$usr/share/icons/hicolor/32x32/apps/$icon_name.png
    file "$icon" | grep -q 'PNG image data, 32 x 32' || fail "icon $icon_name is not a 32 x 32 PNG"
    grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$usr"/share/metainfo/*.xml ||
        fail "the metainfo does not launch $(basename "$desktop")"
fi
echo "package test passed: $(basename "$deb")"
