#!/usr/bin/env bash
# Takes pictures of the three pages from the real program under Xvfb and writes
# them to docs/screenshots/. Usage: tools/take_screenshots.sh path/to/lumble
set -euo pipefail
lumble=$(realpath "$1")
out="$(dirname "$0")/../docs/screenshots"
mkdir -p "$out"

display=:$((90 + RANDOM % 30))
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

"$lumble" >/dev/null 2>&1 &
game=$!
trap 'kill $game $xvfb 2>/dev/null || true' EXIT
xdotool search --sync --onlyvisible --name '^Lumble$' >/dev/null
sleep 0.5
import -window root "$out/start.png"

# The Sentences list, then Start.
xdotool mousemove 640 542 click 1
sleep 0.4
xdotool mousemove 400 710 click 1
sleep 0.3
xdotool mousemove 640 742 click 1
sleep 0.6
xdotool mousemove 640 872 click 1 # a hint
sleep 0.3
xdotool mousemove 1200 980
import -window root "$out/word.png"

# Hints all the way to the end of the game.
for _ in $(seq 80); do
    xdotool mousemove 640 872 click 1
    sleep 0.03
done
sleep 0.4
xdotool mousemove 1200 980
import -window root "$out/results.png"
xdotool key ctrl+q
wait "$game"
