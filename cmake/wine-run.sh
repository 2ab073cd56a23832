#!/bin/sh
# Runs a Windows program under Wine for ctest: quiet, and in a private prefix
# (PLANTRANSIT_WINEPREFIX, else a folder under the system's temporary folder).
: "${WINEPREFIX:=${PLANTRANSIT_WINEPREFIX:-${TMPDIR:-/tmp}/plantransit-wine}}"
export WINEPREFIX
export WINEDEBUG=-all
# Wine's background services outlive the program; started here with their output
# detached, they never hold the caller's pipes open (ctest waits for those).
wineserver -p </dev/null >/dev/null 2>&1
wineboot -i </dev/null >/dev/null 2>&1
exec wine "$@"
