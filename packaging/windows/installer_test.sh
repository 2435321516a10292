#!/bin/sh
# Builds the Windows installer with CPack, installs it silently into the
# Wine prefix of the run and checks what a user gets: the files under
# Program Files, the Start-menu folder, the entry among the installed
# programs and, with the desktop program, the program's icon on the
# installer and uninstaller, its shortcuts in the Start menu and in "Send
# to", started in the user's Documents, and "Open with" for IOB files.
# Runs the installer again, naming another folder, and checks that it
# installed over the first installation, in its folder. Then uninstalls it
# and checks that all of it is gone. It writes to the prefix:
# tools/windows-test gives it one of its own.
# Usage: installer_test.sh BUILD_DIR SOURCE_DIR WINE
set -eu
build=$1 source=$2 wine=$3
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
folder="$WINEPREFIX/drive_c/Program Files/IobToQuorvane"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/IobToQuorvane"
keys='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\IobToQuorvane HKLM\Software\IobToQuorvane
HKLM\Software\Classes\IobToQuorvane.iob HKLM\Software\Classes\.iob'
files() { (cd "$1" && ls -A | LC_ALL=C sort | tr '\n' ' '); }
leftovers() { find "$WINEPREFIX/drive_c" -iname '*iobtoquorvane*'; }
desktop=$([ -f "$build/bin/IobToQuorvane.exe" ] && echo IobToQuorvane || true)

cpack -G NSIS --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack"; }
name=$(cd "$work/out" && ls -- *-setup.exe) || fail "cpack wrote no installer but: $(ls "$work/out")"
# An icon resource's bytes as an .ico file; empty when there is none.
icon() { wrestool -x -t 14 "$1" 2>/dev/null | od -A n -t x1 | tr -d ' \n'; }
[ -z "$desktop" ] || [ "$(icon "$work/out/$name")" = "$(icon "$build/bin/IobToQuorvane.exe")" ] ||
    fail "the installer does not show the program's icon"

check_installation() {
    [ "$(files "$folder")" = "${desktop:+IobToQuorvane.exe }LICENSE README.md Uninstall.exe iob2quorvane.exe " ] ||
        fail "the program folder holds: $(files "$folder")"
    [ "$(files "$menu")" = "${desktop:+IobToQuorvane.lnk }Uninstall.lnk " ] ||
        fail "the Start menu holds: $(files "$menu")"
    cmp "$folder/LICENSE" "$source/LICENSE" && cmp "$folder/README.md" "$source/README.md" ||
        fail "the documents differ"
    : >"$work/registry"
    for key in $keys; do "$wine" reg query "$key" /s | tr -d '\r' >>"$work/registry" || true; done
    printf '%s\n' "    DisplayName    REG_SZ    IobToQuorvane" "    DisplayVersion    REG_SZ    $version" \
        '    UninstallString    REG_SZ    "C:\Program Files\IobToQuorvane\Uninstall.exe"' \
        '    (Default)    REG_SZ    C:\Program Files\IobToQuorvane' >"$work/expected"
    [ -z "$desktop" ] || printf '%s\n' '    IobToQuorvane.iob    REG_SZ    ' \
        '    (Default)    REG_SZ    "C:\Program Files\IobToQuorvane\IobToQuorvane.exe" "%1"' >>"$work/expected"
    grep -vxF -f "$work/registry" "$work/expected" >"$work/missing" || true
    [ ! -s "$work/missing" ] || fail "the registry lacks: $(cat "$work/missing") in: $(cat "$work/registry")"
    [ -n "$desktop" ] || return 0
    send_to=$(find "$WINEPREFIX/drive_c/users" -ipath '*/SendTo/IobToQuorvane.lnk')
    for shortcut in "$menu/IobToQuorvane.lnk" "$send_to"; do
        [ -f "$shortcut" ] || fail "no shortcut in \"Send to\""
        grep -qaF 'C:\Program Files\IobToQuorvane\IobToQuorvane.exe' "$shortcut" ||
            fail "the shortcut $shortcut does not lead to the program"
        # A shortcut holds its start folder in UTF-16.
        tr -d '\0' <"$shortcut" | grep -qaF '%USERPROFILE%\Documents' ||
            fail "the shortcut $shortcut does not start in the user's Documents"
    done
    [ "$(icon "$folder/Uninstall.exe")" = "$(icon "$build/bin/IobToQuorvane.exe")" ] ||
        fail "the uninstaller does not show the program's icon"
}

"$wine" "$work/out/$name" /S || fail "the installer $name failed"
check_installation
# Run again, naming another folder (NSIS takes /D last and unquoted), it
# installs over the first installation, a deleted file again.
other="$WINEPREFIX/drive_c/IobToQuorvane2"
rm "$folder/README.md"
"$wine" "$work/out/$name" /S '/D=C:\IobToQuorvane2' || fail "the second run of the installer failed"
[ ! -e "$other" ] || fail "the second run installed into C:\\IobToQuorvane2: $(files "$other")"
check_installation

"$wine" 'C:\Program Files\IobToQuorvane\Uninstall.exe' /S || fail "the uninstaller failed"
# The uninstaller starts a copy of itself from a temporary folder and ends;
# the copy does the work, the Start-menu folder last. The run's Wine server
# outlives it (`wineserver -w` would wait for ever): wait for the files, 60 s
# at most.
tries=0
while [ -n "$(leftovers)" ] && [ "$tries" -lt 120 ]; do sleep 0.5 && tries=$((tries + 1)); done
[ -z "$(leftovers)" ] || fail "left after uninstalling: $(leftovers)"
for key in $keys; do
    if "$wine" reg query "$key" >/dev/null 2>&1; then fail "left after uninstalling: $key"; fi
done
echo "Installer test passed: $name"
