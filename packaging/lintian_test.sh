#!/bin/sh
# Builds the .deb and has lintian check it as Debian's archive would: any
# error fails; warnings and notes are listed.
# Usage: lintian_test.sh BUILD_DIR
set -eu
build=$1
fail() { echo "FAIL: $*"; exit 1; }
. "$(dirname "$0")/make_deb.sh"
need_tools cpack lintian
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

make_deb "$build" "$work/out"
# lintian warns that it runs as root, as it does in CI; that line is no finding.
lintian --fail-on error --display-level '>=pedantic' "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian.log" | grep '^[EWIP]:' || true
[ "${status:-0}" -eq 0 ] || fail "lintian found errors (exit status $status)"
echo "lintian: no errors in $(basename "$deb")"
