#!/usr/bin/env bash
# The release packages tested as a user installs them: the installer under Wine
# (silent install, the installed programs, the shortcut and Add/Remove Programs
# entry, the silent uninstall that keeps the user's settings), the portable zip
# unpacked into a fresh folder (its programs convert and find their data, and
# write nothing beside themselves), the .deb unpacked into a temporary root, and
# the browser page's zip.
# Every Windows program runs in a private Wine prefix. The plans of the three
# converters must be the same bytes.
#
#   release_tests.sh SOURCE_DIR DIST_DIR GUI_DIR
#
# GUI_DIR holds the GUI driver, the file-dialog harness and the probe of the
# Windows build (build/windows/tests/gui).
set -u
source_dir=$(cd "$1" && pwd)
dist=$(cd "$2" && pwd)
gui=$(cd "$3" && pwd)

version=$(sed -n 's/^project(PlanTransit VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
sample=$source_dir/samples/zurich-geneva.txt
zip_file=$dist/PlanTransit-$version-win64.zip
setup_file=$dist/PlanTransit-$version-setup.exe
deb_file=$dist/plantransit-convert_${version}_amd64.deb
web_file=$dist/PlanTransit-$version-web.zip
# What a user finds in the Windows folder, from the zip or the installer.
windows_files="Fsb_apts.txt LICENSE.txt PlanTransit.AVI PlanTransit.exe README.txt THIRD-PARTY-NOTICES.txt help.html
plantransit-convert.exe"

work=$(mktemp -d -t plantransit-release.XXXXXX)
export WINEPREFIX=$work/wine WINEDEBUG=-all
# No menu entries or file associations on the host for what the installer makes.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
unset PLANTRANSIT_CONFIG
cleanup() {
  wineserver -k </dev/null >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

passed=0
failed=0
check() {  # check DESCRIPTION CONDITION...
  local description=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $description"
    [ -s "$work/said" ] && sed 's/^/  said: /' "$work/said"
  fi
  : >"$work/said"
  return 0
}
same() { [ "$1" = "$2" ] || { printf 'expected: %s\nactual:   %s\n' "$1" "$2" >"$work/said"; false; }; }
contains() { [[ "$1" == *"$2"* ]] || { printf 'no "%s" in:\n%s\n' "$2" "$1" >"$work/said"; false; }; }
same_file() { cmp "$1" "$2" >"$work/said" 2>&1; }
files_in() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' '); }
sorted_words() { tr ' \n' '\n\n' | sed '/^$/d' | LC_ALL=C sort | tr '\n' ' '; }

# convert LABEL COMMAND...: converts the sample into $work/LABEL with COMMAND
# (the converter and its leading arguments; "wine" first for a .exe), from an
# empty folder of its own; its status in $status, its messages in $work/LABEL.err.
convert() {
  local label=$1
  shift
  local out=$work/$label source=$sample
  mkdir -p "$out" "$work/$label.cwd"
  if [ "$1" = wine ]; then
    out=$(winepath -w "$out" 2>/dev/null)
    source=$(winepath -w "$sample" 2>/dev/null)
  fi
  (cd "$work/$label.cwd" && "$@" --quiet --format msfs --out-dir "$out" "$source" \
     </dev/null >"$work/$label.out" 2>"$work/$label.err")
  status=$?
  tr -d '\r' <"$work/$label.err" >"$work/said"
}

: >"$work/said"
echo "-- SHA256SUMS"
check "SHA256SUMS names the four packages" same \
  "$(basename -a "$deb_file" "$setup_file" "$zip_file" "$web_file" | sorted_words)" \
  "$(awk '{print $2}' "$dist/SHA256SUMS" | sorted_words)"
check "SHA256SUMS holds their checksums" bash -c "cd '$dist' && sha256sum --quiet -c SHA256SUMS >'$work/said' 2>&1"

echo "-- the browser page's zip"
: >"$work/said"
unzip -q "$web_file" -d "$work/web"
check "the page's zip holds the site in one folder, servable as it is" same \
  "$(printf "PlanTransit-$version-web/%s\n" app.js data/Fsb_apts.txt index.html plantransit-web.js \
       plantransit-web.wasm style.css zip.js | sorted_words)" \
  "$(files_in "$work/web" | sorted_words)"
check "the page's airport data is the bundled one" same_file "$source_dir/data/Fsb_apts.txt" \
  "$work/web/PlanTransit-$version-web/data/Fsb_apts.txt"

echo "-- the .deb"
: >"$work/said"
contents=$(dpkg-deb --contents "$deb_file")
check "the .deb holds the converter, its data, its man page, changelog and licence texts" same \
  "./usr/bin/plantransit-convert ./usr/share/doc/plantransit-convert/THIRD-PARTY-NOTICES.txt ./usr/share/doc/plantransit-convert/changelog.gz ./usr/share/doc/plantransit-convert/copyright ./usr/share/man/man1/plantransit-convert.1.gz ./usr/share/plantransit/Fsb_apts.txt " \
  "$(awk '$1 !~ /^d/ {print $6}' <<<"$contents" | sorted_words)"
check "every file of the .deb belongs to root" same "" "$(awk '$2 != "root/root"' <<<"$contents")"
check "the converter is executable" same "-rwxr-xr-x" \
  "$(awk '$6 == "./usr/bin/plantransit-convert" {print $1}' <<<"$contents")"
check "the .deb's name and version" same "plantransit-convert $version amd64" \
  "$(dpkg-deb --showformat='${Package} ${Version} ${Architecture}' --show "$deb_file")"
check "the .deb depends on the C++ library" contains "$(dpkg-deb --field "$deb_file" Depends)" "libstdc++6"
check "the .deb's description names the simulators of today" contains "$(dpkg-deb --field "$deb_file" Description)" \
  "Microsoft Flight Simulator 2020 and"
lintian --no-tag-display-limit "$deb_file" >"$work/lintian" 2>&1
check "lintian finds no error and no warning in the .deb" same "" "$(grep -E '^[EW]: ' "$work/lintian")"
dpkg-deb -x "$deb_file" "$work/root"
deb_converter=$work/root/usr/bin/plantransit-convert
convert deb "$deb_converter"
check "the unpacked .deb's converter converts the sample with no option" same 0 "$status"
check "... and says nothing" same "" "$(cat "$work/deb.err")"
convert deb-explicit "$deb_converter" --airports "$work/root/usr/share/plantransit/Fsb_apts.txt"
check "... the same plan as with its data file named" same_file "$work/deb/zurich-geneva.pln" \
  "$work/deb-explicit/zurich-geneva.pln"
check "its --version is the project's version" same "plantransit-convert $version" \
  "$("$deb_converter" --version 2>&1)"
manual=$(zcat "$work/root/usr/share/man/man1/plantransit-convert.1.gz")
check "the man page is section 1 of plantransit-convert" contains "$manual" '.TH PLANTRANSIT-CONVERT "1"'
check "the man page lists --format" contains "$manual" '\-\-format'
check "the man page tells where the data is" contains "$manual" "/usr/share/plantransit/Fsb_apts.txt"
check "the man page names every format's key" same "" "$(for key in $("$deb_converter" --list-formats | cut -f 1); do
  grep -qF -- ".B ${key//-/\\-}" <<<"$manual" || echo "$key"; done)"

echo "-- the zip"
: >"$work/said"
check "the zip holds one folder with the Windows files" same \
  "$(for f in $windows_files; do printf 'PlanTransit-%s/%s ' "$version" "$f"; done)" \
  "$(unzip -Z1 "$zip_file" | sorted_words)"
mkdir -p "$work/unzipped"
unzip -q "$zip_file" -d "$work/unzipped"
portable=$work/unzipped/PlanTransit-$version
before=$(files_in "$portable")
wineboot -i </dev/null >/dev/null 2>&1
convert zip wine "$portable/plantransit-convert.exe"
check "the unpacked zip's converter converts the sample under Wine" same 0 "$status"
check "... and says nothing" same "" "$(cat "$work/zip.err")"
check "... the plan the .deb's converter writes" same_file "$work/deb/zurich-geneva.pln" "$work/zip/zurich-geneva.pln"
PLANTRANSIT_GUI_WINEPREFIX=$WINEPREFIX "$source_dir/tests/gui/run.sh" "$gui/GuiDriver.exe" \
  "$portable/PlanTransit.exe" "$gui/FileDialogHarness.exe" "$gui/GuiProbe.dll" \
  BuildsASampleWithTheDataBesideTheProgram >"$work/said" 2>&1
status=$?
check "the unpacked zip's PlanTransit.exe starts and builds the sample with its data" test "$status" -eq 0
check "the programs write nothing into the unpacked folder" same "$before" "$(files_in "$portable")"

echo "-- the installer"
: >"$work/said"
timeout 300 wine "$setup_file" /S </dev/null >"$work/said" 2>&1
status=$?
check "setup.exe /S installs" test "$status" -eq 0
installed=$WINEPREFIX/drive_c/Program\ Files/PlanTransit
shortcut=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/PlanTransit.lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\PlanTransit'
check "Program Files\\PlanTransit holds the Windows files and the uninstaller" same \
  "$(echo "$windows_files Uninstall.exe" | sorted_words)" "$(files_in "$installed")"
for file in $windows_files; do
  check "the installed $file is the zip's" same_file "$portable/$file" "$installed/$file"
done
check "the Start-menu shortcut exists" test -f "$shortcut"
entry=$(wine reg query "$key" </dev/null 2>&1 | tr -d '\r')
check "Add/Remove Programs names PlanTransit" contains "$entry" "DisplayName    REG_SZ    PlanTransit"
check "... its version" contains "$entry" "DisplayVersion    REG_SZ    $version"
check "... its publisher" contains "$entry" "Publisher    REG_SZ    The PlanTransit developers"
check "... its uninstaller" contains "$entry" 'UninstallString    REG_SZ    "C:\Program Files\PlanTransit\Uninstall.exe"'
size_kib=$(sed -n 's/.*EstimatedSize    REG_DWORD    0x\([0-9a-f]*\).*/\1/p' <<<"$entry")
actual_kib=$(du -sk "$installed" | cut -f1)
check "... its size, within 10% of the folder's ($actual_kib KiB)" \
  test -n "$size_kib" -a $((16#${size_kib:-0} * 10)) -ge $((actual_kib * 9)) -a $((16#${size_kib:-0} * 10)) -le $((actual_kib * 11))
convert installed wine "$installed/plantransit-convert.exe"
check "the installed converter converts the sample" same 0 "$status"
check "... and says nothing" same "" "$(cat "$work/installed.err")"
check "... the plan the .deb's converter writes" same_file "$work/deb/zurich-geneva.pln" \
  "$work/installed/zurich-geneva.pln"

PLANTRANSIT_GUI_WINEPREFIX=$WINEPREFIX "$source_dir/tests/gui/run.sh" "$gui/GuiDriver.exe" \
  "$installed/PlanTransit.exe" "$gui/FileDialogHarness.exe" "$gui/GuiProbe.dll" \
  BuildsASampleWithTheDataBesideTheProgram >"$work/said" 2>&1
status=$?
check "the installed PlanTransit.exe starts and builds the sample with its data" test "$status" -eq 0

# The user's settings, where the program keeps them; the uninstaller must leave them.
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% </dev/null 2>/dev/null | tr -d '\r')" 2>/dev/null)
check "Wine names the user's APPDATA folder in the prefix" contains "$appdata" "$WINEPREFIX/"
[[ "$appdata" == "$WINEPREFIX/"* ]] || appdata=$work/no-appdata
settings=$appdata/PlanTransit/PlanTransit.cfg
mkdir -p "$(dirname "$settings")"
printf '[AirpFile]\r\nPathname=Fsb_apts.txt\r\nFilename=Fsb_apts.txt\r\n' >"$settings"
cp "$settings" "$work/settings.cfg"

: >"$work/said"
timeout 120 wine "$installed/Uninstall.exe" /S </dev/null >"$work/said" 2>&1
status=$?
check "Uninstall.exe /S starts" test "$status" -eq 0
# The uninstaller returns at once and finishes from a copy of itself.
left_over() {
  local left=
  [ -e "$installed" ] && left+="[Program Files\\PlanTransit: $(files_in "$installed")]"
  [ -e "$shortcut" ] && left+="[the Start-menu shortcut]"
  if [ -z "$left" ] && wine reg query "$key" </dev/null >/dev/null 2>&1; then left+="[the uninstall key]"; fi
  echo "$left"
}
deadline=$((SECONDS + 120))
while left=$(left_over) && [ -n "$left" ] && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.5; done
check "the uninstaller removes the files, the shortcut and the uninstall key" same "" "$left"
check "... and keeps the user's PlanTransit.cfg" same_file "$work/settings.cfg" "$settings"

echo "$passed of $((passed + failed)) release checks passed"
[ "$failed" -eq 0 ]
