#!/usr/bin/env bash
# Prints the test route under Wine to the CUPS printer "PDF" (cups-pdf), reads the
# PDF back with pdftotext and checks the heading and every row; then cancels a job
# in the cancel dialog and checks "Error while printing". Starts cupsd and adds the
# printer itself when needed. Every step is bounded by a timeout.
#
#   print.sh PrintHarness.exe
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-display.sh"
trap stop_display_and_wine EXIT

harness=$1
prefix=${PLANTRANSIT_GUI_WINEPREFIX:-${PLANTRANSIT_WINEPREFIX:-${TMPDIR:-/tmp}/plantransit-wine}}
fail() { echo "print: $*" >&2; exit 1; }

for tool in cupsd lpadmin lpstat pdftotext; do
  command -v "$tool" >/dev/null || [ -x "/usr/sbin/$tool" ] || fail "$tool is missing (scripts/setup installs it)"
done
# lpstat -r exits 0 whether or not the scheduler runs: read what it says.
scheduler_runs() { timeout 5 lpstat -r 2>/dev/null | grep -qx "scheduler is running"; }
if ! scheduler_runs; then
  timeout 20 /usr/sbin/cupsd || fail "cupsd did not start"
  for _ in $(seq 50); do scheduler_runs && break; sleep 0.2; done
  scheduler_runs || fail "cupsd started but the scheduler does not answer"
fi
if ! timeout 10 lpstat -p PDF >/dev/null 2>&1; then
  timeout 30 lpadmin -p PDF -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd -E ||
    fail "cannot add the printer PDF"
fi
timeout 30 lpadmin -d PDF || fail "cannot make PDF the default printer"

# cups-pdf writes the jobs of this user into ~/PDF.
out="$HOME/PDF"
mkdir -p "$out"
marker="$gui_scratch/marker"
touch "$marker"
sleep 1

start_display || exit 1
start_wine "$prefix"
windows_path() { winepath -w "$1" 2>/dev/null; }

result="$gui_scratch/ok.txt"
timeout --kill-after=10 120 wine "$harness" ok "$(windows_path "$result")" </dev/null >/dev/null 2>&1 ||
  fail "the print harness failed or timed out"
grep -q "^message=" "$result" && fail "printing showed a message: $(grep '^message=' "$result")"
grep -qx "enabled=1" "$result" || fail "the owner window is still disabled after printing"

pdf=
for _ in $(seq 300); do
  pdf=$(find "$out" -name '*.pdf' -newer "$marker" | head -n 1)
  [ -n "$pdf" ] && sleep 1 && break
  sleep 0.2
done
[ -n "$pdf" ] || fail "no PDF appeared in $out"
text=$(timeout 30 pdftotext -layout "$pdf" - 2>/dev/null) || fail "pdftotext cannot read $pdf"
# pdftotext reads the font's hyphen as a soft hyphen.
squeezed=$(printf '%s\n' "$text" | sed 's/\xc2\xad/-/g' | tr -s ' ')
status=0
for expected in "WP-Id. Facility Name T Latitude Longitude Altitude" \
  "LSZH Zurich A N47° 27.48' E008° 32.88' +001416.00" \
  "TRA TRA V N47° 41.35' E008° 26.22' +005500.00" \
  "LSGG Geneva A N46° 14.28' E006° 06.54' +001411.00"; do
  if ! grep -qF -- "$expected" <<<"$squeezed"; then
    echo "print: the printed text lacks \"$expected\"" >&2
    status=1
  fi
done
[ "$status" -eq 0 ] || { printf '%s\n' "$text" >&2; exit 1; }
echo "print: the PDF holds the heading and every row"

result="$gui_scratch/cancel.txt"
timeout --kill-after=10 120 wine "$harness" cancel "$(windows_path "$result")" </dev/null >/dev/null 2>&1 ||
  fail "the print harness failed or timed out on cancel"
grep -qx "message=Error while printing" "$result" || fail "cancel showed: $(cat "$result")"
grep -qx "enabled=1" "$result" || fail "the owner window is still disabled after the cancel"
echo "print: cancel shows \"Error while printing\""
find "$out" -name '*.pdf' -newer "$marker" -delete 2>/dev/null || true
