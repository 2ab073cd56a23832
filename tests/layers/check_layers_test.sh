#!/usr/bin/env bash
# scripts/check-layers passes the project's src/ and refuses, naming file and
# line, every include that runs up the house from route/ or writers/: the
# presenter, the shell, the converter, the window port and its control ids, and
# the program record that used to tie them together.
# Usage: check_layers_test.sh SOURCE_DIR
set -u
source_dir=$1
check=$source_dir/scripts/check-layers
work=$(mktemp -d -t plantransit-layers.XXXXXX)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

if "$check" "$source_dir/src" >"$work/out" 2>&1; then
  passed=$((passed + 1))
else
  echo "FAILED: check-layers refuses the project's own src/:"
  cat "$work/out"
  failed=$((failed + 1))
fi

for room in route writers; do
  for include in commands/Session.h shell/Shell.h cli/Conversion.h host/WindowPort.h host/ControlIds.h App.h; do
    rm -rf "$work/src" && cp -r "$source_dir/src" "$work/src"
    target=$(ls "$work/src/$room"/*.cpp | head -n 1)
    line=$(($(wc -l <"$target") + 1))
    echo "#include \"$include\"" >>"$target"
    expected="src/$room/$(basename "$target"):$line: #include \"$include\""
    if ! "$check" "$work/src" >"$work/out" 2>&1 && grep -qF "$expected" "$work/out"; then
      passed=$((passed + 1))
    else
      echo "FAILED: $room/ including $include: expected a refusal naming $expected, got:"
      cat "$work/out"
      failed=$((failed + 1))
    fi
  done
done

echo "check-layers: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
