#!/usr/bin/env sh
# Writes the man page's FORMATS section from the converter's own list of formats,
# so the page names every format the program writes.
#   formats-h2m.sh CONVERTER OUTPUT
set -eu
converter=$1
output=$2
{
  printf '%s\n' '[FORMATS]' \
    'The formats \fB\-\-format\fR takes, with the folder each goes into when several' \
    'are written, and who reads its plans:'
  "$converter" --list-formats | while IFS="$(printf '\t')" read -r key extension folder readers; do
    echo '.TP'
    printf '.B %s\n' "$(printf '%s' "$key" | sed 's/-/\\-/g')"
    printf '%s in %s/: %s\n' "$(printf '%s' "$extension" | sed 's/^\./\\\&./')" \
      "$(printf '%s' "$folder" | sed 's/-/\\-/g')" "$(printf '%s' "$readers" | sed 's/-/\\-/g')"
  done
} >"$output"
