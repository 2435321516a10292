#!/bin/sh
# Runs COMMAND when every TOOL is installed (or, without a COMMAND, just
# succeeds); otherwise names the missing tools and exits 77, which the package
# tests declare as their SKIP_RETURN_CODE, so that a machine without a
# validator skips the test that needs it instead of failing it.
# Usage: skip_without.sh TOOL... [-- COMMAND [ARGUMENT...]]
missing=""
while [ "$#" -gt 0 ] && [ "$1" != "--" ]; do
    command -v "$1" >/dev/null 2>&1 || missing="$missing $1"
    shift
done
[ "$#" -eq 0 ] || shift
if [ -n "$missing" ]; then
    echo "SKIPPED: not installed:$missing (tools/install-packages --tests installs them)"
    exit 77
fi
[ "$#" -eq 0 ] || exec "$@"
