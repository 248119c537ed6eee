#!/usr/bin/env bash
# Writes docs/screenshot.png: the main window with a small demo diary open.
#
# Builds the program and tools/demo-diary into BUILD (default build/), writes
# a three-week demo diary into a temporary folder, points a temporary settings
# file at it ("OpenLastDiary"=1, no tip of the day), starts Dayloom under
# Xvfb, types the password into the start-up prompt with xdotool and takes
# the picture of the main window with ImageMagick's import.
#
#   tools/make-screenshot.sh [OUTPUT.png]
#
# Environment: BUILD (build folder), DEMO_NOW (seconds since 1970 that the
# demo's dates are built around; default now, so the reminder and planner
# summaries read as they would today).
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$repo/build}
output=${1:-$repo/docs/screenshot.png}
password=${DEMO_PASSWORD:-weave}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
command -v xvfb-run >/dev/null || missing+=(xvfb xauth)
command -v xdotool >/dev/null || missing+=(xdotool)
command -v import >/dev/null || missing+=(imagemagick)
if [ "${#missing[@]}" -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
fi
cmake --build "$build" --target dayloom dayloom-demo-diary

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/diary" "$work/config/Orrinfield"

# English dates and a fixed zone, whatever this machine is set to.
export TZ=${TZ:-Europe/London} LC_ALL=C.UTF-8 LANG=C.UTF-8
now=${DEMO_NOW:-$(date +%s)}
extloc=$("$build/tools/dayloom-demo-diary" "$work/diary/Journal.ilm" "$password" "$now")

cat >"$work/config/Orrinfield/dayloom.ini" <<INI
[Settings]
OpenLastDiary=1
DiaryFile=$work/diary/Journal.ilm
ExtLoc=$extloc
shortFile=Journal
StartUp=1
INI

# Runs inside Xvfb: start the program, answer the password prompt, wait for
# the main window to show the diary, take its picture, end the program.
cat >"$work/session.sh" <<'SESSION'
#!/usr/bin/env bash
set -euo pipefail
program=$1 password=$2 output=$3
"$program" &
pid=$!
end() { kill "$pid" 2>/dev/null || true; wait "$pid" 2>/dev/null || true; }
trap end EXIT

# The splash closes by itself after a few seconds; then the prompt comes.
prompt=$(timeout 60 xdotool search --sync --onlyvisible --name '^Security - Dayloom v2\.21$' | head -n 1)
sleep 1
xdotool windowfocus --sync "$prompt" 2>/dev/null || xdotool windowfocus "$prompt" || true
xdotool type --delay 40 "$password"
xdotool key Return

main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Dayloom v2\.21 - Journal$' | head -n 1)
sleep 2
# The list has the focus on the last entry; go back to the hike ten days
# ago, so the view shows a cheerful entry and the graph has lines on both
# sides of the marker.
xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main" || true
xdotool key --delay 150 --repeat 8 Up
# Let the list, the entry view and the graph paint.
sleep 2
xdotool mousemove 0 0
import -window "$main" "$output"
SESSION
chmod +x "$work/session.sh"

mkdir -p "$(dirname "$output")"
XDG_CONFIG_HOME="$work/config" HOME="$work" \
    xvfb-run -a -s "-screen 0 1280x900x24" \
    "$work/session.sh" "$build/bin/dayloom" "$password" "$work/shot.png"

# Strip the time stamps ImageMagick writes, so an unchanged picture stays
# byte-identical in git.
mogrify -strip -define png:exclude-chunks=date,time "$work/shot.png"
cp "$work/shot.png" "$output"
echo "wrote $output"
