#!/bin/sh
# Takes the README's picture of the main window in a fresh Xvfb server.
#   tools/screenshot.sh build/release/orvanel docs/main-window.png
set -eu
program=$1
output=$2
command -v import >/dev/null || {
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick
}
work=$(mktemp -d)
trap 'kill "$program_pid" "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP
"$program" 2>/dev/null &
program_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvanel$' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5  # let the first paint land
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$output"
