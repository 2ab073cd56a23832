#!/usr/bin/env bash
# The Garmin plan of user waypoints against the rules of Garmin's FlightPlan v1
# schema, as run.sh checks the Garmin plan.
# Usage: garmin-user.sh SOURCE AIRPORTS OUT
set -u
plan=$3/GARMINUSER/$(basename "$1" .txt).fpl
log=$3/garmin-user-xmllint.log
if ! xmllint --noout --schema "$(dirname "$0")/../garmin-flightplan-rules.xsd" "$plan" 2>"$log"; then
  cat "$log"
  exit 1
fi
