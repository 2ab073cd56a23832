#!/bin/sh
# Runs a Windows program under Wine for ctest: quiet, and in a private prefix
# (PLANTRANSIT_WINEPREFIX, else a folder under the system's temporary folder).
: "${WINEPREFIX:=${PLANTRANSIT_WINEPREFIX:-${TMPDIR:-/tmp}/plantransit-wine}}"
export WINEPREFIX
export WINEDEBUG=-all
exec wine "$@"
