#!/bin/sh
# Builds the Windows ZIP with CPack, unpacks it and checks what a user
# gets: exactly the programs (the desktop program when it is built), the
# README and the licence in one folder, and the converter converting a
# sample file (run through EMULATOR, Wine, when given).
# Usage: zip_test.sh BUILD_DIR SOURCE_DIR PACKAGE_NAME [EMULATOR]
set -eu
build=$1 source=$2 name=$3 emulator=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cpack -G ZIP --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
[ -f "$work/out/$name.zip" ] || fail "no $name.zip but: $(ls "$work/out")"
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$work/out/$name.zip")

files=$(cd "$work/unpacked" && find . -type f | LC_ALL=C sort | tr '\n' ' ')
desktop=$([ -f "$build/bin/IobToQuorvane.exe" ] && echo "./$name/IobToQuorvane.exe " || true)
[ "$files" = "$desktop./$name/LICENSE ./$name/README.md ./$name/iob2quorvane.exe " ] || fail "the ZIP holds: $files"
cmp "$work/unpacked/$name/LICENSE" "$source/LICENSE" || fail "LICENSE differs"

${emulator:+"$emulator"} "$work/unpacked/$name/iob2quorvane.exe" "$source/examples/network.iob" "$work/network.txt" ||
    fail "the converter failed"
cmp "$work/network.txt" "$source/examples/network.txt" || fail "the converter's output differs"
echo "ZIP test passed: $name.zip"
