#!/bin/sh
# Builds the .deb with CPack, unpacks it into a scratch root (no root
# rights needed) and checks what a user gets: the dependencies, the
# installed iob2quorvane converting a sample file, the licence and
# changelog, and, with the desktop program, its desktop entry, metainfo,
# man page and icons, all validated.
# Usage: package_test.sh BUILD_DIR SOURCE_DIR WITH_GUI(ON|OFF)
set -eu
build=$1 source=$2 gui=$3
fail() { echo "FAIL: $*"; exit 1; }
. "$(dirname "$0")/make_deb.sh"
need_tools cpack dpkg-deb groff file desktop-file-validate appstreamcli
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

make_deb "$build" "$work/out"
version=$(dpkg-deb -f "$deb" Version)
root=$work/root
dpkg-deb -x "$deb" "$root"
usr=$root/usr
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"

said=$("$usr/bin/iob2quorvane" --version)
[ "$said" = "iob2quorvane $version" ] || fail "--version says: $said"
"$usr/bin/iob2quorvane" "$source/examples/network.iob" "$work/network.txt"
cmp "$work/network.txt" "$source/examples/network.txt" || fail "the installed converter's output differs"

check_man_page() {
    zcat "$usr/share/man/man1/$1.1.gz" | groff -man -ww -z 2>"$work/man.log"
    [ ! -s "$work/man.log" ] || { cat "$work/man.log"; fail "man page $1: warnings"; }
}
check_man_page iob2quorvane

# The licence in Debian's machine-readable form, its text that of LICENSE.
doc=$usr/share/doc/iobtoquorvane
head -1 "$doc/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "copyright is not in the machine-readable format"
grep -qx 'License: Expat' "$doc/copyright" || fail "copyright names no Expat (MIT) licence"
sed -n '/^License: Expat/,$p' "$doc/copyright" | sed '1d; s/^ //; s/^\.$//' >"$work/licence.txt"
sed -n '/^Permission is hereby granted/,$p' "$source/LICENSE" | cmp -s - "$work/licence.txt" ||
    fail "the licence text of copyright differs from LICENSE"
zcat "$doc/changelog.gz" | head -1 | grep -q "^iobtoquorvane ($version) " || fail "changelog is not of version $version"

if [ "$gui" = ON ]; then
    for library in libqt6widgets6 libqt6gui6 libqt6core6; do
        echo "$depends" | grep -q "$library" || fail "no dependency on $library"
    done
    [ -x "$usr/bin/IobToQuorvane" ] || fail "IobToQuorvane is not installed"
    ! ldd "$usr/bin/IobToQuorvane" | grep -q 'not found' || fail "IobToQuorvane misses libraries"

    desktop=$(ls "$usr"/share/applications/*.desktop)
    desktop-file-validate "$desktop" || fail "desktop entry"
    appstreamcli validate --pedantic --no-net "$usr"/share/metainfo/*.metainfo.xml || fail "metainfo"

    exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    [ -x "$usr/bin/$exec_name" ] || fail "Exec=$exec_name is not in /usr/bin"
    # Docks tie the window to its launcher by its X11 class, the program's name.
    startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
    [ "$startup_class" = "$exec_name" ] || fail "StartupWMClass=$startup_class, not $exec_name"
    check_man_page "$exec_name"

    icon_name=$(sed -n 's/^Icon=//p' "$desktop")
    icons=$usr/share/icons/hicolor
    for size in 16 24 32 48 64 128 256; do
        file "$icons/${size}x$size/apps/$icon_name.png" | grep -q "PNG image data, $size x $size," ||
            fail "icon $icon_name is not a $size x $size PNG"
    done
    file "$icons/scalable/apps/$icon_name.svg" | grep -q 'SVG Scalable Vector Graphics image' ||
        fail "icon $icon_name has no scalable SVG"
    grep -q "<release version=\"$version\"" "$usr"/share/metainfo/*.xml || fail "the metainfo has no release $version"
    grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$usr"/share/metainfo/*.xml ||
        fail "the metainfo does not launch $(basename "$desktop")"
    # "Open with": the entry takes a file, of the type that the package declares for *.iob.
    mime_type=$(sed -n 's/^MimeType=\([^;]*\);$/\1/p' "$desktop")
    grep -q "^Exec=$exec_name %F$" "$desktop" || fail "Exec takes no files"
    grep -A3 "<mime-type type=\"$mime_type\">" "$usr"/share/mime/packages/*.xml | grep -q '<glob pattern="\*.iob"/>' ||
        fail "no MIME type $mime_type for *.iob"
fi
echo "package test passed: $(basename "$deb")"
