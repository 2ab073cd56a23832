#!/usr/bin/env bash
# Tests of plantransit-convert as scripts use it: exit statuses, messages, the
# plans written, the overwrite rule, batches and --settings.
# Usage: cli_tests.sh SOURCE_DIR CONVERTER [ARGS...]   (e.g. a Wine runner and the .exe)
set -u
source_dir=$1
shift
converter=("$@")

golden="$source_dir/tests/golden"
samples="$source_dir/samples"
airports="$source_dir/tests/cli/airports.txt"
work=$(mktemp -d -t plantransit-cli.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# Monday, December 7, 2026 at noon UTC; English month names on Linux.
export SOURCE_DATE_EPOCH=1796644800
export LC_ALL=C
export PLANTRANSIT_CONFIG="$work/no-such.cfg"

passed=0
failed=0
status=0

# run ARGS...: runs the converter; its output in $out and $err (CR LF made LF), its status in $status.
run() {
  "${converter[@]}" "$@" >"$work/stdout" 2>"$work/stderr"
  status=$?
  out=$(tr -d '\r' <"$work/stdout")
  err=$(tr -d '\r' <"$work/stderr")
}

check() {  # check DESCRIPTION CONDITION...
  local description=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $description"
    echo "  status: $status"
    echo "  stdout: $out"
    echo "  stderr: $err"
  fi
}

contains() { [[ "$1" == *"$2"* ]]; }
same_file() { cmp -s "$1" "$2"; }

# --- usage -------------------------------------------------------------------
run --version
check "--version prints the version" [ "$status" -eq 0 ]
check "--version text" contains "$out" "plantransit-convert 1.0.8"
run --help
check "--help exits 0" [ "$status" -eq 0 ]
check "--help lists --format" contains "$out" "--format"
check "--help says the airport data is read once per run" contains "$out" "read once per run"
check "--help shows the naming words" contains "$out" "--naming source|icao|names"
check "--help shows the flight types and the default" contains "$out" "--flight-type vfr|ifr       flight type (default vfr)"
check "--help shows the route types" contains "$out" "--route-type gps|vor|low|high"
check "--help shows no internal numbers" [ "${out/INT:/}" = "$out" ]
run --route-type direct "$samples/zurich-geneva.txt"
check "a word that is no route type is a usage error" [ "$status" -eq 2 ]
check "the usage error lists the words" contains "$err" '"direct" is none of gps|vor|low|high'
run
check "no SOURCE is a usage error" [ "$status" -eq 2 ]
check "no SOURCE says so" contains "$err" "no SOURCE given"
run --format msfs,xyz "$samples/zurich-geneva.txt"
check "an unknown format is a usage error" [ "$status" -eq 2 ]
check "an unknown format is named" contains "$err" '"xyz"'
run --no-such-option "$samples/zurich-geneva.txt"
check "an unknown option is a usage error" [ "$status" -eq 2 ]
run --departure-runway 1234567890123456789012345678901 "$samples/zurich-geneva.txt"
check "a runway of 31 characters is a usage error" [ "$status" -eq 2 ]

# --- one plan, byte for byte ---------------------------------------------------
run --airports "$airports" "$samples/zurich-geneva.txt"
check "a plan is written" [ "$status" -eq 0 ]
check "its path goes to standard output" contains "$out" "zurich-geneva.pln"
check "the MSFS plan is byte for byte the golden one" same_file zurich-geneva.pln "$golden/msfs/zurich-geneva.pln"

run --airports "$airports" --naming icao --format rc99 --out-dir "$work/rc" "$samples/zurich-geneva.txt"
check "the Radar Contact plan is written" [ "$status" -eq 0 ]
if [ "${PLANTRANSIT_EXPECT_WINDOWS_DATE:-0}" = 1 ]; then
  # Windows' long date has no leading zero on the day.
  sed 's/December 7, 2026/December 07, 2026/' "$work/rc/LSZH-LSGG.apl" >"$work/rc/normalised.apl"
else
  cp "$work/rc/LSZH-LSGG.apl" "$work/rc/normalised.apl"
fi
check "the Radar Contact plan is the golden one, dated from SOURCE_DATE_EPOCH" \
  same_file "$work/rc/normalised.apl" "$golden/radarcontact/zurich-geneva.apl"

# --- every format, each in its folder -------------------------------------------
# The formats the converter knows, as its refusal of an unknown one lists them.
run --format none-such "$samples/zurich-geneva.txt"
format_count=$(sed -n 's/.*unknown format "none-such" (\(.*\) or all).*/\1/p' <<<"$err" | tr ',' '\n' | grep -c .)
check "the refusal of an unknown format lists the ten of old versions and the later ones" [ "$format_count" -ge 10 ]
run --list-formats
check "--list-formats exits 0" [ "$status" -eq 0 ]
check "--list-formats gives a line per format" [ "$(grep -c . <<<"$out")" -eq "$format_count" ]
check "--list-formats names key, extension, folder and readers" contains "$out" \
  $'msfs2024\t.pln\tMSFS2024\tMicrosoft Flight Simulator 2024, from its EFB'
check "--list-formats lists the programs of old first" [ "$(head -n 1 <<<"$out" | cut -f 1)" = msfs ]

run --airports "$airports" --format all --naming icao --out-dir "$work/all" "$samples/zurich-geneva.txt"
check "all formats are written" [ "$status" -eq 0 ]
for written in MSFS/LSZH-LSGG.pln ACS-GPS/LSZH-LSGG.prg SQB/LSZH-LSGG.sbp RC99/LSZH-LSGG.apl \
               SFP/LSZH-LSGG.pln NAV/LSZH-LSGG.pln MSFS2020/LSZH-LSGG.pln XPLANE/LSZH-LSGG.fms \
               GARMIN/LSZH-LSGG.fpl GPX/LSZH-LSGG.gpx; do
  check "$written exists" [ -s "$work/all/$written" ]
done
check "a path per format on standard output" [ "$(grep -c . <<<"$out")" -eq "$format_count" ]
check "the SquawkBox plan is the golden one" same_file "$work/all/SQB/LSZH-LSGG.sbp" "$golden/squawkbox/zurich-geneva.sbp"

# --- the overwrite question ---------------------------------------------------
printf 'an older plan\r\n' >zurich-geneva.pln
run --airports "$airports" "$samples/zurich-geneva.txt"
check "an existing plan without --force counts as not written" [ "$status" -eq 1 ]
check "the overwrite question is printed on one line" contains "$err" \
  "plantransit-convert: An MS Flight Simulator Flight plan zurich-geneva.pln already exists! Do you want to overwrite it?"
check "the plan that was there is untouched" [ "$(cat zurich-geneva.pln)" = $'an older plan\r' ]
run --quiet --airports "$airports" "$samples/zurich-geneva.txt"
check "-q keeps the plan that was there too" [ "$status" -eq 1 ]
check "-q asks nothing" [ "${err/overwrite/}" = "$err" ]
check "-q still says the plan was not written" contains "$err" \
  "plantransit-convert: MS Flight Simulator Flight-Plan zurich-geneva.pln could not be created!"
run --force --airports "$airports" "$samples/zurich-geneva.txt"
check "--force overwrites" [ "$status" -eq 0 ]
check "--force overwrites without printing the question" [ -z "$err" ]
check "the overwritten plan is the golden one" same_file zurich-geneva.pln "$golden/msfs/zurich-geneva.pln"

# --- any plan read is a source ------------------------------------------------------
# The X-Plane plan of the worked route converts back into the same MSFS plan.
cp "$golden/xplane/zurich-geneva.fms" "$work/from-xplane.fms"
run --force --airports "$airports" --out-dir "$work/any" "$work/from-xplane.fms"
check "an X-Plane plan is a source" [ "$status" -eq 0 ]
check "its plan is named after it" [ -s "$work/any/from-xplane.pln" ]
check "the X-Plane plan gives the MSFS plan the export gives" \
  same_file "$work/any/from-xplane.pln" "$golden/msfs/zurich-geneva.pln"
run --force --airports "$airports" --format xplane --out-dir "$work" "$work/from-xplane.fms"
check "a plan that would replace its own source is refused, even with --force" [ "$status" -eq 1 ]
check "the refusal names the source" contains "$err" "from-xplane.fms is the plan being converted"
check "the source is untouched" same_file "$work/from-xplane.fms" "$golden/xplane/zurich-geneva.fms"
printf '<?xml version="1.0"?>\n<unknown/>\n' >"$work/other.xml"
run --airports "$airports" --out-dir "$work/any" "$work/other.xml"
check "a file of no kind read fails" [ "$status" -eq 1 ]
check "it is named with the kinds read" contains "$err" \
  "other.xml is not a valid FliteStar Flightplan file! Nor is it another flight plan PlanTransit reads: a FliteStar export, "
run --help
check "--help offers --no-verify" contains "$out" "--no-verify"

# --- a missing airport file is not searched for -----------------------------------
run --force --airports "$work/missing.txt" "$samples/zurich-geneva.txt"
check "a missing airport file still gives a plan" [ "$status" -eq 0 ]
check "the search question is answered No" contains "$err" \
  "Failed to open Airport/Runway Data file missing.txt! Do you want to search for it?"
check "the plan carries the lookup's failure text" \
  contains "$(tr -d '\r' <zurich-geneva.pln)" "departure_name=Error reading Airport/Runway Data file!"

# --- the bundled data, found beside the program -----------------------------------
run --force --format msfs --naming names "$samples/frankfurt-munich.txt"
check "the bundled airport data is used when none is configured" [ "$status" -eq 0 ]
check "names from the bundled data name the plan" [ -s "Frankfurt_Main_Airport to Munich_Airport.pln" ]

# --- a batch with a bad source --------------------------------------------------
printf 'not a flight plan\n' >bad.txt
run --force --airports "$airports" --out-dir "$work/batch" "$samples/zurich-geneva.txt" bad.txt \
  "$samples/frankfurt-munich.txt"
check "a failed source makes the batch fail" [ "$status" -eq 1 ]
check "the bad source is named" contains "$err" "bad.txt is not a valid FliteStar Flightplan file!"
check "the build failure follows" contains "$err" "Failed to build Flight-Plan from file bad.txt"
check "the sources after it are converted" [ -s "$work/batch/frankfurt-munich.pln" ]
check "the sources before it are converted" [ -s "$work/batch/zurich-geneva.pln" ]

# --- every source starts without a runway -----------------------------------------
# Bern has no runway in the data and Sion is not in it: neither plan may carry
# Zurich's runway 16 from the source converted before.
{ cat "$airports"; printf 'LSZB Bern 1686 46.91 7.50\n'; } >runways.txt
printf '%s\n' '# FliteStar/FliteMap generated flight plan.' 'FPL 1 LSZB LSGS' \
  'FWP W A LSZB N 46 54.77 E 7 29.85 1686' 'FWP W A LSGS N 46 13.14 E 7 19.61 1585' >bern-sion.txt
run --force --airports runways.txt --out-dir "$work/runways" "$samples/zurich-geneva.txt" bern-sion.txt
check "both plans are written" [ "$status" -eq 0 ]
check "Zurich's plan departs from runway 16" \
  contains "$(tr -d '\r' <"$work/runways/zurich-geneva.pln")" $'\ndeparture_position=16\n'
check "Bern's plan has no runway" \
  contains "$(tr -d '\r' <"$work/runways/bern-sion.pln")" $'\ndeparture_position=\ndestination_id=LSGS'
run --force --airports runways.txt --departure-runway 07 --out-dir "$work/runways" \
  "$samples/zurich-geneva.txt" bern-sion.txt
check "--departure-runway applies to every source" \
  [ "$(cat "$work"/runways/*.pln | tr -d '\r' | grep -c '^departure_position=07$')" -eq 2 ]
run --force --airports runways.txt --destination-runway 22 --format xplane --out-dir "$work/runways" \
  "$samples/zurich-geneva.txt"
check "--destination-runway is the destination's runway in the plan" \
  contains "$(tr -d '\r' <"$work/runways/zurich-geneva.fms")" $'\nADES LSGG\nDESRWY RW22\n'
run --destination-runway 1234567890123456789012345678901 "$samples/zurich-geneva.txt"
check "a destination runway of 31 characters is a usage error" [ "$status" -eq 2 ]

# --- a batch gives what one source at a time gives --------------------------------
# Airports met again and missing, and an identifier twice in the data, its first
# line unusable (a name over 50 characters): one run over every source writes and
# shows what one run per source does. On Linux the batch reads its data from a
# pipe, which gives it only once: the data is read once per run.
export_route() {  # export_route FILE FROM TO
  printf '%s\r\n' '# FliteStar/FliteMap generated flight plan.' 'FPL 1' "FWP W A $2 N 47 27.48 E 8 32.88 1416" \
    'FWP W V TRA N 47 41.35 E 8 26.22 5500' "FWP W A $3 N 46 14.28 E 6 6.54 1411" >"$1"
}
mkdir -p "$work/routes"
for route in LSZH-LSGG LSGG-LSZH LSZH-LSZH LSZH-NONE NONE-EDDM EDDF-LSGG; do
  export_route "$work/routes/$route.txt" "${route%-*}" "${route#*-}"
done
{ printf 'LSGG Geneva_%s 1 CH 1.0 01_1\n' "$(printf 'n%.0s' {1..45})"; cat "$airports"
  printf 'LSZH Second_Zurich 9 CH 1.0 01_1\n'; } >twice.txt
single_err=""
for source in "$work"/routes/*.txt; do
  run --quiet --airports twice.txt --out-dir "$work/per-source" "$source"
  single_err+="${single_err:+$'\n'}$err"
done
data=twice.txt
if [[ "${converter[-1]}" != *.exe ]]; then
  mkfifo once.pipe
  timeout 60 sh -c 'cat twice.txt >once.pipe' &
  data=once.pipe
fi
run --quiet --airports "$data" --out-dir "$work/one-run" "$work"/routes/*.txt
wait
check "the batch writes the plans of one source at a time" diff -r "$work/per-source" "$work/one-run"
check "the batch shows the messages of one source at a time" [ "$err" = "${single_err//twice.txt/$data}" ]
check "the first usable line of an identifier wins" \
  contains "$(tr -d '\r' <"$work/one-run/LSZH-LSGG.pln")" $'departure_name=Zurich\ndestination_name=Geneva\n'

# --- the configuration file -----------------------------------------------------
cat >"$work/test.cfg" <<CFG
[Startup]
Autogen=2
[AirpFile]
Pathname=$airports
Filename=airports.txt
CFG
PLANTRANSIT_CONFIG="$work/test.cfg" run --settings
check "--settings exits 0" [ "$status" -eq 0 ]
check "--settings names the file in use" contains "$out" "configuration=$work/test.cfg"
check "--settings shows the stored naming rule" contains "$out" $'\nautogenMode=2\n'
check "--settings shows the defaults of missing keys" contains "$out" $'\nexportType=1\n'
check "--settings lists every field, a switch and a folder per format" \
  [ "$(grep -c = <<<"$out")" -eq $((19 + 2 * format_count)) ]
PLANTRANSIT_CONFIG="$work/test.cfg" run --force --out-dir "$work/configured" "$samples/zurich-geneva.txt"
check "the configured airport file is used" same_file "$work/configured/zurich-geneva.pln" \
  "$golden/msfs/zurich-geneva.pln"
check "the CLI never writes the configuration file" [ "$(grep -c . "$work/test.cfg")" -eq 5 ]

echo "cli: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
