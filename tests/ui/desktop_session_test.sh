#!/bin/sh
# The Qt program as a user works it: on an X server of its own (Xvfb) with a
# window manager (openbox), driven by keys and clicks (xdotool), each box read
# by selecting its text and copying it (xclip). Each flow starts the program
# anew, the focus in the IOB field, and checks its messages and files.
# Usage: desktop_session_test.sh PROGRAM EXAMPLES_DIR
set -eu
program=$1 examples=$2
work=$(mktemp -d /tmp/iob-x11.XXXXXX)
server=""
trap 'kill $server 2>/dev/null || true; rm -rf "$work"' EXIT
step="starting"
fail() { echo "FAIL ($step): $*"; exit 1; }
expect() { [ "$1" = "$2" ] || fail "'$1', expected '$2'"; }
same_bytes() { cmp -s "$1" "$2" || fail "$1 differs from $2"; }

# A display of its own, whichever number is free; the program's settings too.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
server=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break || sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")" XDG_CONFIG_HOME="$work/settings" QT_QPA_PLATFORM=xcb
openbox >"$work/openbox.log" 2>&1 &
sleep 1

# The shown window of the program titled TITLE; empty after 20 s.
window_titled() { timeout 20 xdotool search --all --sync --onlyvisible --pid "$pid" --name "^$1\$" | head -n 1; }
# Starts the program with ARGUMENTS, its dialog `main` focused; stop ends it with Escape.
start() {
    "$program" "$@" >>"$work/program.log" 2>&1 &
    pid=$!
    main=$(window_titled 'Convert GeoLab IOB File To a Quorvane Input File')
    [ -n "$main" ] || fail "no main dialog"
    xdotool windowfocus --sync "$main"
}
stop() {
    xdotool windowfocus --sync "$main" key Escape
    wait "$pid" || fail "the program ended with status $?"
}
# What a click at X,Y in WINDOW, Ctrl+A and Ctrl+C copy, tried until the
# window has drawn its text and taken the click.
copied_at() {
    for _ in $(seq 10); do
        printf 'nothing copied' | xclip -selection clipboard
        xdotool mousemove --window "$1" "$2" "$3" click 1 key ctrl+a ctrl+c
        sleep 0.3
        text=$(xclip -o -selection clipboard)
        [ "$text" = "nothing copied" ] || break
    done
    printf '%s' "$text"
}
# The next box: its `message` and its `report`'s first line; then the key ANSWER.
read_box() {
    box=$(window_titled IobToQuorvane)
    [ -n "$box" ] || fail "no message box"
    message=$(copied_at "$box" 120 14)
    report=$(copied_at "$box" 120 48 | head -n 1)
    xdotool windowfocus --sync "$box" key "$1"
}

step="a typed name proposes its output"
cp "$examples/stations.iob" "$work/typed.iob"
start
xdotool type "$work/typed.iob"
xdotool key Tab Tab ctrl+a ctrl+c
sleep 0.3
expect "$(xclip -o -selection clipboard)" "$work/typed.txt"
xdotool key alt+c
read_box Return
expect "$message" "Success - the results are in $work/typed.txt"
same_bytes "$work/typed.txt" "$examples/stations.txt"
stop

step="a quoted path"
cp "$examples/network.iob" "$work/quoted.iob"
start
xdotool type "\"$work/quoted.iob\""
xdotool key alt+c
read_box Return
expect "$message" "Success - the results are in $work/quoted.txt"
same_bytes "$work/quoted.txt" "$examples/network.txt"

step="Enter, No, to the replace question"
printf 'earlier\n' >"$work/quoted.txt"
xdotool windowfocus --sync "$main" key alt+c
read_box Return
expect "$message" "$work/quoted.txt already exists. Do you want to replace it?"
read_box Return
expect "$message" "Nothing was written: $work/quoted.txt is as it was"
expect "$(cat "$work/quoted.txt")" "earlier"

step="a full disk"
xdotool windowfocus --sync "$main" key Tab Tab ctrl+a
xdotool type /dev/full
xdotool key alt+c
read_box Return
expect "$message" "File write error /dev/full"
expect "$report" "the disk is full"
stop

step="three files picked at once"
for stem in north middle south; do cp "$examples/vector.iob" "$work/$stem.iob"; done
start
xdotool type "$work/north.iob"
xdotool key Tab space
picker=$(window_titled "Select IOB File")
[ -n "$picker" ] || fail "no file dialog"
# Once it has read the folder, the dialog writes its start file's name over
# what was typed: typed anew until the dialog takes the three names.
for _ in $(seq 5); do
    sleep 1
    xdotool windowfocus --sync "$picker" key ctrl+a
    xdotool type '"north.iob" "middle.iob" "south.iob"'
    xdotool key Return
    sleep 1
    xdotool search --all --onlyvisible --pid "$pid" --name '^Select IOB File$' >/dev/null || break
done
read_box Return
expect "$message" "3 of 3 files converted"
for stem in north middle south; do same_bytes "$work/$stem.txt" "$examples/vector.txt"; done
stop

step="a name that is not UTF-8, as the argument"
latin1=$(printf 'r\351seau')
cp "$examples/stations.iob" "$work/$latin1.iob"
start "$work/$latin1.iob"
xdotool key alt+c
read_box Return
same_bytes "$work/$latin1.txt" "$examples/stations.txt"
stop
echo "Desktop session test passed"
