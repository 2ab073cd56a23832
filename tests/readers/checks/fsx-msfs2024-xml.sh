#!/usr/bin/env bash
# The FSX and MSFS 2024 plans are well-formed XML as libxml2's xmllint reads them (run.sh checks MSFS 2020's).
# Usage: fsx-msfs2024-xml.sh SOURCE AIRPORTS OUT
set -u
name=$(basename "$1" .txt)
failed=0
for plan in "$3/FSX/$name.pln" "$3/MSFS2024/$name.pln"; do
  xmllint --noout "$plan" || { echo "$1: $plan is not well-formed XML"; failed=1; }
done
exit "$failed"
