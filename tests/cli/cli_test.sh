#!/bin/bash
# One case of iob2quorvane's behaviour on the real binary: exit status,
# standard output, standard error and the file written, all exact.
# Usage: cli_test.sh CASE IOB2QUORVANE EXAMPLES_DIR VERSION
# With IOB_CLI_EMULATOR set (a cross build: Wine) the program runs through
# it; Windows writes standard output and error with CR LF line ends, which
# are compared as LF.
set -u
case_name=$1 cli=$2 examples=$3
emulator=${IOB_CLI_EMULATOR:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

fail() { echo "FAIL: $*"; exit 1; }

run_cli() { ${emulator:+"$emulator"} "$cli" "$@"; }
text_of() { if [ -n "$emulator" ]; then sed 's/\r$//' "$1"; else cat "$1"; fi; }

# expect STATUS STDOUT STDERR -- ARGS...
expect() {
    local status=$1 out=$2 err=$3
    shift 4
    run_cli "$@" >stdout 2>stderr
    local got=$?
    [ "$got" -eq "$status" ] || fail "exit status $got, expected $status"
    [ "$(text_of stdout)" = "$out" ] || fail "stdout: $(cat stdout)"
    [ "$(text_of stderr)" = "$err" ] || fail "stderr: $(cat stderr)"
}

# Every line about a conversion names its IOB file.
network="iob2quorvane: $examples/network.iob:"
vector="iob2quorvane: $examples/vector.iob:"
# network.iob ends with a station after its END record.
after_end="$network warning: Not converted: 1 data line after the END record on line 25, which ends the data"
# vector.iob and stations.iob have no ELIP record.
no_elip="warning: No ELIP record: the default datum NAD 83 was written"

case $case_name in
success)
    expect 0 "" "$after_end" -- "$examples/network.iob" out.txt
    cmp out.txt "$examples/network.txt" || fail "output differs from network.txt" ;;
trimmed-names)
    expect 0 "" "$vector $no_elip" -- "  $examples/vector.iob	" " out.txt
"
    cmp out.txt "$examples/vector.txt" || fail "output differs" ;;
no-iob-name)
    expect 1 "" "iob2quorvane: Please enter an 'IOB' File name" -- " " "" ;;
no-output-name)
    expect 1 "" "iob2quorvane: Please enter a 'QUORVANE' File name" -- "$examples/vector.iob" "	" ;;
missing-iob)
    expect 1 "" "iob2quorvane: missing.iob: Cannot open file missing.iob: no such file or folder" -- missing.iob out.txt
    [ ! -e out.txt ] || fail "output created" ;;
missing-folder)
    expect 1 "" "$vector Cannot open file nowhere/out.txt: no such file or folder" -- "$examples/vector.iob" nowhere/out.txt ;;
same-file)
    cp "$examples/vector.iob" net.iob
    ln -s net.iob link.iob
    expect 1 "" "iob2quorvane: net.iob: The 'IOB' file and the 'QUORVANE' file are the same file link.iob" -- net.iob link.iob
    cmp net.iob "$examples/vector.iob" || fail "IOB file changed" ;;
same-file-spelling)
    mkdir sub
    cp "$examples/vector.iob" net.iob
    expect 1 "" "iob2quorvane: ./net.iob: The 'IOB' file and the 'QUORVANE' file are the same file sub/../net.iob" \
        -- ./net.iob sub/../net.iob
    cmp net.iob "$examples/vector.iob" || fail "IOB file changed" ;;
same-file-other-drive)
    # Under Wine: this folder as drive Q: too, as subst or a mapped drive
    # makes it on Windows; the volume and file index tell it is the same file.
    [ -n "$emulator" ] || { echo "ok (drive letters are Windows')"; exit 0; }
    cp "$examples/vector.iob" net.iob
    ln -s "$work" "$WINEPREFIX/dosdevices/q:"
    trap 'rm -f "$WINEPREFIX/dosdevices/q:"; rm -rf "$work"' EXIT
    expect 1 "" "iob2quorvane: net.iob: The 'IOB' file and the 'QUORVANE' file are the same file Q:\\NET.IOB" \
        -- net.iob 'Q:\NET.IOB'
    cmp net.iob "$examples/vector.iob" || fail "IOB file changed" ;;
same-file-hard-link)
    cp "$examples/vector.iob" net.iob
    ln net.iob hard.iob
    expect 1 "" "iob2quorvane: net.iob: The 'IOB' file and the 'QUORVANE' file are the same file hard.iob" -- net.iob hard.iob
    cmp net.iob "$examples/vector.iob" || fail "IOB file changed" ;;
utf8-names)
    # The two ideographs of "survey", in UTF-8, in and out.
    survey=$(printf '\346\270\254\351\207\217')
    cp "$examples/stations.iob" "$survey.iob"
    expect 0 "" "iob2quorvane: $survey.iob: $no_elip" -- "$survey.iob" "$survey.txt"
    cmp "$survey.txt" "$examples/stations.txt" || fail "output differs from stations.txt"
    expect 1 "" "iob2quorvane: $survey-2.iob: Cannot open file $survey-2.iob: no such file or folder" -- "$survey-2.iob" out.txt ;;
full-disk)
    expect 1 "" "$network File write error /dev/full: the disk is full
$after_end" -- "$examples/network.iob" /dev/full
    # Nothing reached the disk, and after a failure nothing is counted.
    expect 1 "" "$network File write error /dev/full: the disk is full
$after_end" -- -v "$examples/network.iob" /dev/full ;;
pipe-as-iob)
    # Every pass reads the file from its start: a pipe is refused at once,
    # and the earlier output stays whole.
    printf 'earlier\n' >out.txt
    cat "$examples/vector.iob" | run_cli /dev/stdin out.txt >stdout 2>stderr
    [ $? -eq 1 ] || fail "exit status"
    [ "$(text_of stderr)" = "iob2quorvane: /dev/stdin: Cannot convert /dev/stdin: an IOB file is read three times, so it must be a file, not a pipe or a device" ] || fail "stderr: $(cat stderr)"
    [ "$(ls)" = "$(printf 'out.txt\nstderr\nstdout')" ] || fail "files: $(ls)"
    [ "$(cat out.txt)" = earlier ] || fail "output: $(cat out.txt)" ;;
unsupported-setting)
    printf ' COV  XY\n' >cov.iob
    expect 1 "" "iob2quorvane: cov.iob: Currently no support for 'XY' setting in record 'COV '" -- cov.iob out.txt ;;
semicolon-in-name)
    printf ' PLH      A;B\n' >name.iob
    expect 1 "" "iob2quorvane: name.iob: Station name 'A;B' on line 1 contains ';', which a QUORVANE file cannot hold" \
        -- name.iob out.txt ;;
invalid-unit-factor)
    printf ' TITL t\n LUNT xx 0\n' >lunt.iob
    expect 1 "" "iob2quorvane: lunt.iob: Invalid unit factor in record 'LUNT' on line 2" -- lunt.iob out.txt
    # The title line was written, but a failed conversion leaves no partial file.
    [ "$(ls)" = "$(printf 'lunt.iob\nstderr\nstdout')" ] || fail "files: $(ls)" ;;
output-kinds)
    # A symbolic link stays and its file is replaced; a pipe is written in place.
    printf 'earlier\n' >old.txt
    ln -s old.txt link.txt
    expect 0 "" "" -- -q "$examples/vector.iob" link.txt
    [ -L link.txt ] || fail "link replaced"
    cmp old.txt "$examples/vector.txt" || fail "output differs from vector.txt"
    mkfifo fifo
    cat fifo >piped.txt &
    expect 0 "" "$vector $no_elip" -- "$examples/vector.iob" fifo
    wait
    cmp piped.txt "$examples/vector.txt" || fail "piped output differs from vector.txt" ;;
dash-dash)
    cp "$examples/vector.iob" ./-a.iob
    expect 0 "" "iob2quorvane: -a.iob: $no_elip" -- -- -a.iob out.txt
    cmp out.txt "$examples/vector.txt" || fail "output differs from vector.txt"
    expect 0 "" "" -- -q -- -a.iob -b.txt
    cmp ./-b.txt "$examples/vector.txt" || fail "output differs from vector.txt" ;;
corr-group)
    # The format's worked example of a correlation group, its covariances by hand.
    printf '%s\n' ' DXYZ     S001         S002              572.7240     -280.7980     -413.6370 m' \
        ' CORR CT UPPR              32.50000' \
        ' ELEM         1.0000000000000        -0.2032966000000         0.0045336000000 m' \
        ' ELEM         1.0000000000000        -0.3644455000000                         m' \
        ' ELEM         1.0000000000000' \
        ' ELEM           0.00056219690           0.00095490840           0.00115665900 m' >corr.iob
    expect 0 "" "" -- -q corr.iob out.txt
    [ "$(tail -n 1 out.txt)" = "\$GPS_COMPACT; S001; S002; 572.72400; -280.79800; -413.63700; 0.000010272124; -0.000003547020; 0.000029635127; 0.000000095812; -0.000013082267; 0.000043480451"$'\r' ] \
        || fail "vector line: $(tail -n 1 out.txt)" ;;
strict)
    # A decimal comma is read with doubt: --strict writes nothing, and an
    # earlier output stays as it was.
    printf ' PLH      BM-2041      N 45 30 12,345600 W 75 05 59.876543      123.456 ft\n' >comma.iob
    expect 1 "" "iob2quorvane: comma.iob: 1 reading of the IOB file is in doubt, so new.txt was not written (--strict)" \
        -- -q --strict comma.iob new.txt
    [ ! -e new.txt ] || fail "new.txt was written"
    printf 'earlier\r\n' >old.txt
    printf ' PLH      BM-2041      N 45 30 12,345600 W 75 05 59.876543      123.456 fr\n' >two.iob
    expect 1 "" "iob2quorvane: two.iob: 2 readings of the IOB file are in doubt, so old.txt was not written (--strict)" \
        -- -q --strict two.iob old.txt
    [ "$(cat old.txt)" = "earlier"$'\r' ] || fail "old.txt changed" ;;
coordinate-group)
    # A 3DC group of coordinate observations with its matrix is passed over
    # and named; the GPS group after it converts.
    printf '%s\n' ' 3DC' ' XYZ      BM-2041          1234567.890   -4567890.123    4123456.789 m' ' COV  CT DIAG' \
        ' ELEM                 1.0E-04                 1.0E-04                 1.0E-04 m' ' 3DD' \
        ' DXYZ     ALPHA        BRAVO            1234.5678    -2345.6789      345.1234 m' ' COV  CT DIAG' \
        ' ELEM                 4.0E-06                 9.0E-06                 1.6E-05 m' >coordinates.iob
    at="iob2quorvane: coordinates.iob:"
    expect 0 "" "$at $no_elip
$at warning: Not converted: 1 3DC record (line 1)
$at warning: Not converted: 1 XYZ record (line 2)
$at warning: Not converted: the covariance matrix of the 3DC group on line 1" -- coordinates.iob out.txt
    [ "$(tail -n 1 out.txt)" = "\$GPS_COMPACT; ALPHA; BRAVO; 1234.56780; -2345.67890; 345.12340; 0.000004000000; 0.000000000000; 0.000009000000; 0.000000000000; 0.000000000000; 0.000016000000"$'\r' ] \
        || fail "vector line: $(tail -n 1 out.txt)" ;;
single-line)
    # The whole traverse in the single-line syntax; the compact syntax named
    # gives what the default gives.
    terrestrial="iob2quorvane: $examples/terrestrial.iob:"
    expect 0 "" "$terrestrial 3 stations, 1 GPS vector in 1 group, 6 terrestrial observations
$terrestrial $no_elip" -- -v --syntax single-line "$examples/terrestrial.iob" out.txt
    cmp out.txt "$examples/terrestrial.txt" || fail "output differs from terrestrial.txt"
    expect 0 "" "$network 3 stations, 3 GPS vectors in 2 groups
$after_end" -- -v --syntax compact "$examples/network.iob" out3.txt
    cmp out3.txt "$examples/network.txt" || fail "compact output differs from network.txt" ;;
no-station-position)
    printf ' DXYZ     ALPHA        BRAVO\n COV  LG DIAG\n ELEM %23s %23s %23s\n' 1 2 3 >lg.iob
    expect 1 "" "iob2quorvane: lg.iob: No position for station 'ALPHA' to turn the local covariances on line 3" \
        -- lg.iob out.txt ;;
weights-not-invertible)
    printf ' DXYZ     ALPHA        BRAVO\n WGT  CT DIAG\n ELEM %23s %23s %23s\n' 1 0 3 >wgt.iob
    expect 1 "" "iob2quorvane: wgt.iob: The weight matrix of the group ending on line 3 cannot be inverted" \
        -- wgt.iob out.txt ;;
report)
    printf ' DIST A B\n DIST C D\n PLh x\n DXYZ     A            B          1.0 1.0 1.0 m\n' >partial.iob
    partial="iob2quorvane: partial.iob:"
    warnings="$partial $no_elip
$partial warning: Not converted: 2 DIST records (first on line 1)
$partial warning: Not converted: 1 record of unknown type ('PLh' on line 3)
$partial warning: Not converted: 1 incomplete GPS group of 1 vector at the end (line 4)
$partial warning: Read with doubt: '0 1.0 1.0 m' in columns 37-49 on line 4, read as 0
$partial warning: Read with doubt: '.' in column 36 on line 4, between two fields, was not read: is a field shifted by a column?"
    expect 0 "" "$warnings" -- partial.iob out.txt
    expect 0 "" "" -- --quiet partial.iob out.txt
    expect 0 "" "" -- -q partial.iob out.txt
    expect 0 "" "$partial 0 stations, 0 GPS vectors in 0 groups
$warnings" -- -v partial.iob out.txt
    expect 0 "" "$network 3 stations, 3 GPS vectors in 2 groups
$after_end" -- --verbose "$examples/network.iob" out.txt
    cmp out.txt "$examples/network.txt" || fail "output differs from network.txt"
    expect 1 "" "iob2quorvane: missing.iob: Cannot open file missing.iob: no such file or folder" -- -v missing.iob out.txt ;;
no-iob-file)
    printf '# A README\n\nNot an IOB file.\n' >README.md
    expect 0 "" "iob2quorvane: README.md: warning: Nothing was converted: the file holds no station and no GPS vector. Check that it is an IOB file.
iob2quorvane: README.md: $no_elip
iob2quorvane: README.md: warning: Not converted: 2 records of unknown type (' A R' on line 1, 'ot a' on line 3)" -- README.md out.txt
    expect 0 "" "" -- -q README.md out.txt ;;
names-written-alike)
    # Two long names cut to the same 15 bytes; an earlier output stays.
    printf ' PLO     *RIVERSIDE CONTROL MONUMENT 7    S 33 51  4.1234\n PLO     *RIVERSIDE CONTROL MONUMENT 8\n' >long.iob
    echo earlier >out.txt
    expect 1 "" "iob2quorvane: long.iob: Station names 'RIVERSIDE CONTROL MONUMENT 7' on line 1 and 'RIVERSIDE CONTROL MONUMENT 8' on line 2 would both be written as 'RIVERSIDE CONTR'" \
        -- -q long.iob out.txt
    [ "$(cat out.txt)" = earlier ] || fail "the earlier output was changed" ;;
standard-output)
    # Written where it stands: in a loop each output follows the one before,
    # and a shell's >> appends. (Windows knows "-" only.)
    cp "$examples/vector.iob" a.iob
    cp "$examples/stations.iob" b.iob
    cp "$examples/header.iob" c.iob
    stdout_name=/dev/stdout
    [ -z "$emulator" ] || stdout_name=-
    for f in a.iob b.iob c.iob; do run_cli -q "$f" "$stdout_name" || fail "exit status for $f"; done >all.txt
    cat "$examples/vector.txt" "$examples/stations.txt" "$examples/header.txt" >expected.txt
    cmp all.txt expected.txt || fail "the outputs in all.txt differ"
    printf 'header\n' >log.txt
    run_cli -q a.iob - >>log.txt || fail "exit status with -"
    { printf 'header\n'; cat "$examples/vector.txt"; } >expected.txt
    cmp log.txt expected.txt || fail "log.txt lost what was there" ;;
swapped-names)
    # An existing .iob file is never replaced without --force.
    cp "$examples/vector.iob" net.iob
    cp "$examples/vector.txt" net.txt
    expect 1 "" "iob2quorvane: net.txt: net.iob is an IOB file and was not replaced; give --force to replace it" \
        -- -q net.txt net.iob
    cmp net.iob "$examples/vector.iob" || fail "the IOB file was replaced"
    expect 0 "" "" -- -q --force "$examples/stations.iob" net.iob
    cmp net.iob "$examples/stations.txt" || fail "--force did not replace it" ;;
long-output-name)
    # The temporary file has a short name of its own, so a failed conversion
    # keeps the earlier file even under a 250-byte name.
    long=$(printf 'x%.0s' $(seq 246)).txt
    echo earlier >"$long"
    printf ' PLH      A;B\n' >name.iob
    expect 1 "" "iob2quorvane: name.iob: Station name 'A;B' on line 1 contains ';', which a QUORVANE file cannot hold" \
        -- name.iob "$long"
    [ "$(cat "$long")" = earlier ] || fail "the earlier file was changed"
    [ -z "$(ls | grep '\.tmp$')" ] || fail "a temporary file stayed" ;;
interrupted)
    # SIGTERM while the conversion runs: no temporary file stays, the
    # earlier file is kept. A sparse file of zeros takes long to read.
    [ -z "$emulator" ] || { echo "ok (signals are Linux's)"; exit 0; }
    truncate -s 2G zeros.iob
    echo earlier >out.txt
    "$cli" zeros.iob out.txt 2>/dev/null &
    converter=$!
    for _ in $(seq 100); do [ -n "$(ls | grep '\.tmp$')" ] && break; sleep 0.05; done
    [ -n "$(ls | grep '\.tmp$')" ] || fail "no temporary file appeared"
    kill -TERM $converter
    wait $converter
    [ $? -eq 143 ] || fail "not ended by SIGTERM"
    [ -z "$(ls | grep '\.tmp$')" ] || fail "the temporary file stayed"
    [ "$(cat out.txt)" = earlier ] || fail "the earlier file was changed" ;;
usage)
    usage="Usage: iob2quorvane [-v | -q] [--strict] [--force] [--syntax SYNTAX] [--] IOB_FILE OUTPUT_FILE (see iob2quorvane --help)"
    expect 2 "" "$usage" -- only-one
    expect 2 "" "$usage" --
    expect 2 "" "$usage" -- --loud in.iob out.txt
    expect 2 "" "$usage" -- -v only-one
    expect 2 "" "$usage" -- in.iob out.txt --syntax
    expect 2 "" "iob2quorvane: unknown syntax 'single': give compact or single-line
$usage" -- --syntax=single in.iob out.txt ;;
version)
    expect 0 "iob2quorvane $4" "" -- --version ;;
help)
    run_cli --help >stdout 2>stderr || fail "exit status $?"
    text_of stdout | head -1 | grep -qx "Usage: iob2quorvane \\[-v | -q\\] \\[--strict\\] \\[--force\\] \\[--syntax SYNTAX\\] \\[--\\] IOB_FILE OUTPUT_FILE" || fail "$(head -1 stdout)" ;;
*)
    fail "unknown case $case_name" ;;
esac
echo "ok"
