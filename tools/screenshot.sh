#!/bin/sh
# Takes the README's picture of the main window in a fresh Xvfb server.
#   tools/screenshot.sh build/release/orvanel docs/main-window.png
#   tools/screenshot.sh PROGRAM OUTPUT [ARGUMENT...]   (PROGRAM started with the ARGUMENTs)
set -eu
program=$1
output=$2
shift 2
command -v import >/dev/null || {
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends imagemagick
}
work=$(mktemp -d)
xvfb_pid=""
program_pid=""
trap 'kill "$program_pid" "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/xvfb.sh"
start_xvfb "$work"
"$program" "$@" 2>/dev/null &
program_pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvanel$' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5  # let the first paint land
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$output"
