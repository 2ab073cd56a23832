# Shared by tests/gui/run.sh and scripts/screenshot (sourced, not run): a private
# X display and a private Wine prefix with a virtual desktop, and their cleanup.
#
#   start_display          starts Xvfb on a free display and exports DISPLAY
#   start_wine PREFIX      prepares the prefix, exports WINEPREFIX
#   stop_display_and_wine  ends Wine's server and the display (trap it on EXIT)

gui_scratch=$(mktemp -d -t plantransit-gui.XXXXXX)
xvfb_pid=

start_display() {
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$gui_scratch/display" \
    </dev/null >"$gui_scratch/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local waited=0
  until [ -s "$gui_scratch/display" ]; do
    if ! kill -0 "$xvfb_pid" 2>/dev/null || [ "$waited" -ge 300 ]; then
      echo "gui: Xvfb did not start:" >&2
      cat "$gui_scratch/xvfb.log" >&2
      return 1
    fi
    sleep 0.1
    waited=$((waited + 1))
  done
  export DISPLAY=":$(head -n 1 "$gui_scratch/display")"
}

# Wine's background services outlive the programs; started here with their output
# detached, they never hold the caller's pipes open.
start_wine() {
  export WINEPREFIX=$1
  export WINEDEBUG=-all
  mkdir -p "$WINEPREFIX"
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wineserver -p </dev/null >/dev/null 2>&1
  timeout 300 wineboot -i </dev/null >/dev/null 2>&1
  # Wine's own TrueType fonts, where this Wine build does not find them by itself:
  # without Marlett the caption buttons show letters.
  local fonts=/usr/share/wine/fonts
  if [ -d "$fonts" ]; then cp -n "$fonts"/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true; fi
  # Every window in one virtual desktop that Wine draws itself, frames included,
  # so the windows look and measure the same without a window manager.
  timeout 120 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
  timeout 120 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f \
    </dev/null >/dev/null 2>&1
  # A new prefix's desktop was started by wineboot before the setting existed:
  # start Wine afresh, so the next program opens in the virtual desktop.
  wineserver -k </dev/null >/dev/null 2>&1 || true
  wineserver -p </dev/null >/dev/null 2>&1
}

stop_display_and_wine() {
  if [ -n "${WINEPREFIX:-}" ]; then wineserver -k </dev/null >/dev/null 2>&1 || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$gui_scratch"
}
