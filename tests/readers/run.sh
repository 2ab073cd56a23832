#!/usr/bin/env bash
# Every plan of today's simulators that the converter writes for the samples and
# the edge cases here (names in Windows-1252 with "&" and "<", south and west, a
# plain position, no runway, 32 waypoints, the date line) is read back by readers
# someone else wrote, or by the rules of its published description where none
# installs here: xmllint against the published schemas, gpsbabel, and the modules
# of checks/ (npm readers among them), which compare what they read with the
# source. README.md lists the reader of each target.
# Usage: run.sh SOURCE_DIR CONVERTER WORK_DIR
set -u
source_dir=$1 converter=$2 work=$3
here=$source_dir/tests/readers
mkdir -p "$work"
export LC_ALL=C SOURCE_DATE_EPOCH=1796644800 PLANTRANSIT_CONFIG="$work/none.cfg"

# The npm readers, pinned by package-lock.json; install scripts are not run (the
# X-Plane reader's package builds a native XML module it does not need here).
node_dir=$work/node
if ! cmp -s "$here/package-lock.json" "$node_dir/package-lock.json" || [ ! -d "$node_dir/node_modules" ]; then
  rm -rf "$node_dir" && mkdir -p "$node_dir"
  cp "$here/package.json" "$here/package-lock.json" "$node_dir/"
  if ! (cd "$node_dir" && npm ci --ignore-scripts --no-audit --no-fund >npm.log 2>&1); then
    cat "$node_dir/npm.log"
    echo "readers: 0 passed, 1 failed (the npm readers did not install)"
    exit 1
  fi
fi
export NODE_PATH=$node_dir/node_modules

passed=0
failed=0

# check SOURCE AIRPORTS: converts SOURCE into every format and reads the plans
# back: the schema checks here, then every module of checks/ (check-plans.js),
# then every checks/*.sh with SOURCE AIRPORTS OUT.
check() {
  local source=$1 airports=$2 name out script
  name=$(basename "$source" .txt)
  out=$work/plans/$name
  rm -rf "$out"
  if ! "$converter" --quiet --force --format all --airports "$airports" --out-dir "$out" "$source"; then
    echo "FAILED: $name was not converted"
    failed=$((failed + 1))
    return
  fi
  local failures=0
  xmllint --noout --schema "$here/gpx-1.1.xsd" "$out/GPX/$name.gpx" 2>"$out/xmllint.log" || failures=1
  xmllint --noout --schema "$here/garmin-flightplan-rules.xsd" "$out/GARMIN/$name.fpl" 2>>"$out/xmllint.log" ||
    failures=1
  xmllint --noout "$out/MSFS2020/$name.pln" 2>>"$out/xmllint.log" || failures=1
  [ "$failures" -eq 0 ] || cat "$out/xmllint.log"
  gpsbabel -r -i gpx -f "$out/GPX/$name.gpx" -o unicsv -F "$out/GPX/$name.csv" || failures=1
  node "$here/check-plans.js" "$source" "$airports" "$out" || failures=1
  for script in "$here"/checks/*.sh; do
    [ -e "$script" ] || continue
    bash "$script" "$source" "$airports" "$out" || failures=1
  done
  if [ "$failures" -eq 0 ]; then
    passed=$((passed + 1))
  else
    echo "FAILED: $name"
    failed=$((failed + 1))
  fi
}

for sample in "$source_dir"/samples/*.txt; do
  check "$sample" "$source_dir/data/Fsb_apts.txt"
done
check "$here/every-edge.txt" "$here/airports.txt"
check "$here/thirty-two.txt" "$source_dir/data/Fsb_apts.txt"
check "$here/date-line.txt" "$here/date-line-airports.txt"

echo "readers: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
