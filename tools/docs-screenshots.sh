#!/usr/bin/env bash
# Retakes the walk-through pictures in docs/walkthrough/ from the real program:
# a virtual X display, the demo service, and xdotool clicking and typing like
# a user. Needs the Debian packages xvfb, xdotool and imagemagick.
# Usage: tools/docs-screenshots.sh [BUILD_DIR] [OUT_DIR]
# (BUILD_DIR holds bin/tarnwick and bin/demo-service; build them first with
#  cmake --build BUILD_DIR --target tarnwick demo-service)
set -euo pipefail
build="${1:-build}"
out="${2:-docs/walkthrough}"
for tool in Xvfb xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb xdotool imagemagick)" >&2; exit 1; }
done
mkdir -p "$out"

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    pid=${pids[i]}
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A display of our own; Xvfb names its number on the given descriptor.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 1 100); do [[ -s "$work/display" ]] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$work/display")"

log="$work/demo-service.log"
"$build/bin/demo-service" --port 0 --verbose >"$work/port" 2>"$log" &
pids+=($!)
for _ in $(seq 1 100); do [[ -s "$work/port" ]] && break; sleep 0.1; done
host="127.0.0.1:$(head -n 1 "$work/port")"

# A fresh home: no settings or recent folders from whoever runs this.
mkdir -p "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" ASAN_OPTIONS=detect_leaks=0 \
  TARNWICK_GOOGLE_HOST="$host" TARNWICK_YAHOO_HOST="$host" TARNWICK_MSN_HOST="$host" \
  TARNWICK_SUGGEST_HOST="$host" TARNWICK_AFFILIATE_HOST="$host" \
  "$build/bin/tarnwick" >"$work/tarnwick.log" 2>&1 &
pids+=($!)

# The first visible top-level window whose title is exactly $1.
window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
# Position and size of a window as X Y W H.
geometry() {
  xdotool getwindowgeometry --shell "$1" | awk -F= '{v[$1]=$2} END {print v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]}'
}
# Clicks at X,Y inside window $1.
click() {
  local x y w h
  read -r x y w h < <(geometry "$1")
  xdotool mousemove $((x + $2)) $((y + $3)) click 1
}
# Types $2 into window $1 (there is no window manager to give it the focus).
type_into() {
  xdotool windowfocus --sync "$1"
  xdotool type --delay 40 "$2"
}
# Waits until the demo service has had no request for two seconds.
settle() {
  local size
  for _ in $(seq 1 120); do
    size=$(stat -c %s "$log")
    sleep 2
    [[ $(stat -c %s "$log") == "$size" ]] && return 0
  done
  echo "the program kept downloading" >&2
  exit 1
}
# Saves the screen cut to the main window, widened to hold window $2 if given.
shot() {
  local name=$1 x y w h x2 y2 w2 h2
  sleep 0.7
  read -r x y w h < <(geometry "$main")
  if [[ -n "${2:-}" ]]; then
    read -r x2 y2 w2 h2 < <(geometry "$2")
    local right=$((x + w > x2 + w2 ? x + w : x2 + w2)) bottom=$((y + h > y2 + h2 ? y + h : y2 + h2))
    x=$((x < x2 ? x : x2)) y=$((y < y2 ? y : y2))
    w=$((right - x)) h=$((bottom - y))
  fi
  import -window root "$work/screen.png"
  convert "$work/screen.png" -crop "${w}x${h}+${x}+${y}" +repage -strip -colors 256 "PNG8:$out/$name.png"
  echo "$out/$name.png"
}

main=$(window Tarnwick)
# Toolbar buttons, from the window's top left corner.
btnMainKeyword=(56 16) btnGatherKeyword=(157 16) btnGatherData=(360 16) btnSaveResults=(462 16)
header_google=(365 110)

# 1. The main keyword.
click "$main" "${btnMainKeyword[@]}"
dialog=$(window 'Main Keyword')
type_into "$dialog" 'garden'
shot 1-main-keyword
click "$dialog" 108 77 # Ok

# 2. Gather Keywords: the security image, answered with the characters the
# demo service logs for it.
click "$main" "${btnGatherKeyword[@]}"
dialog=$(window 'Security image')
settle
answer=$(sed -n 's/.*the security image shows //p' "$log" | tail -n 1)
type_into "$dialog" "$answer"
shot 2-security-image
click "$dialog" 118 222 # Ok
settle
shot 3-keywords

# 3. Gather Data: the search type, then the counts.
click "$main" "${btnGatherData[@]}"
dialog=$(window 'Select Search Type')
shot 4-search-type
click "$dialog" 201 85 # Ok
settle
shot 5-counts

# 4. Sort by the Google column (a second click reverses it).
click "$main" "${header_google[@]}"
sleep 0.3
click "$main" "${header_google[@]}"
shot 6-sorted

# 5. Save Results.
click "$main" "${btnSaveResults[@]}"
sleep 1.5
dialog=$(xdotool search --onlyvisible --name . | grep -vx "$main" | tail -n 1)
shot 7-save "$dialog"
type_into "$dialog" "$work/garden.csv"
xdotool key Return
for _ in $(seq 1 50); do [[ -s "$work/garden.csv" ]] && break; sleep 0.1; done
if [[ -s "$work/garden.csv" ]]; then
  echo "saved $(wc -l <"$work/garden.csv") lines"
else
  echo "the results were not saved" >&2
  exit 1
fi
