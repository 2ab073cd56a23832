#!/usr/bin/env bash
# Runs the GUI cases: PlanTransit.exe and the file-dialog harness worked by the
# driver under Wine, on a private X display, in a private Wine prefix
# (PLANTRANSIT_GUI_WINEPREFIX, else the tests' PLANTRANSIT_WINEPREFIX, whose Wine
# server it restarts: ctest runs it alone). A hung window fails the run at the
# timeout instead of hanging it.
#
#   run.sh GuiDriver.exe PlanTransit.exe FileDialogHarness.exe GuiProbe.dll [case-name-part]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-display.sh"
trap stop_display_and_wine EXIT

driver=$1 program=$2 harness=$3 probe=$4 selection=${5:-}
prefix=${PLANTRANSIT_GUI_WINEPREFIX:-${PLANTRANSIT_WINEPREFIX:-${TMPDIR:-/tmp}/plantransit-wine}}

start_display || exit 1
start_wine "$prefix"
windows_path() { winepath -w "$1" 2>/dev/null; }
timeout --kill-after=10 600 wine "$driver" "$(windows_path "$program")" "$(windows_path "$harness")" \
  "$(windows_path "$probe")" $selection </dev/null
status=$?
if [ "$status" -eq 124 ]; then echo "gui: the GUI cases timed out" >&2; fi
exit "$status"
