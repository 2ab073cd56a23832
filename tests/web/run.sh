#!/usr/bin/env bash
# Serves the web build on a free local port and runs its browser test in Debian's
# headless Chromium (no browser is downloaded). Exits non-zero when a test fails.
# Usage: run.sh SITE_DIR NATIVE_CONVERTER SAMPLES_DIR AIRPORT_DATA
# PLANTRANSIT_SCREENSHOT=1 also writes docs/screenshots/web.png (or, when it names
# a .png file, that file).
set -euo pipefail
if [ "$#" -ne 4 ]; then
  echo "usage: $0 SITE_DIR NATIVE_CONVERTER SAMPLES_DIR AIRPORT_DATA" >&2
  exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
site=$(realpath "$1")
export PLANTRANSIT_CONVERTER=$(realpath "$2") PLANTRANSIT_SAMPLES=$(realpath "$3") \
  PLANTRANSIT_AIRPORTS=$(realpath "$4")
if [ -n "${PLANTRANSIT_SCREENSHOT:-}" ] && [[ "$PLANTRANSIT_SCREENSHOT" != *.png ]]; then
  PLANTRANSIT_SCREENSHOT=$(realpath -m "$here/../../docs/screenshots/web.png")
  export PLANTRANSIT_SCREENSHOT
fi

chromium=${PLANTRANSIT_CHROMIUM:-/usr/bin/chromium}
if [ ! -x "$chromium" ]; then
  echo "$chromium is missing: the test runs in Debian's chromium (apt-get install chromium)" >&2
  exit 1
fi
# playwright-core at the locked version; it brings no browser of its own.
locked=$(node -p "require('$here/package-lock.json').packages['node_modules/playwright-core'].version")
installed=$(node -p "try { require('$here/node_modules/playwright-core/package.json').version } catch { '' }")
if [ "$locked" != "$installed" ]; then
  (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi

port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
log=$(mktemp -t plantransit-web-server.XXXXXX)
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >"$log" 2>&1 &
server=$!
# Stops the server; the run ends with the test's exit status.
stop_server() {
  local status=$?
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true  # a killed server ends with 143
  rm -f "$log"
  exit "$status"
}
trap stop_server EXIT

for _ in $(seq 50); do
  if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then break; fi
  if ! kill -0 "$server" 2>/dev/null; then
    cat "$log" >&2
    exit 1
  fi
  sleep 0.1
done

export PLANTRANSIT_WEB_URL="http://127.0.0.1:$port/"
node --test "$here/web.test.mjs"
