#!/bin/sh
# The real program in a real X server: start it, check where its window is,
# press g, save a bank through the dialog, close the confirmation, check the
# file, then quit with q and check the exit code.
#   end_to_end.sh PATH/TO/orvanel
set -eu
program=$1
work=$(mktemp -d)
xvfb_pid=""
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "end_to_end: $*" >&2
  [ -s "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
  exit 1
}

. "$(dirname "$0")/../tools/xvfb.sh"
start_xvfb "$work" || fail "no X server"

wait_window() {  # NAME: the id of the visible window of that exact name
  timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# A window can be mapped a moment before it takes keys: press KEY in window
# NAME until the window goes away.
press_until_gone() {  # WINDOW NAME KEY
  for _ in $(seq 40); do
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    xdotool key "$3"
    sleep 0.25
    xdotool search --onlyvisible --name "^$2\$" >/dev/null || return 0
  done
  fail "window $2 did not close"
}

"$program" >"$work/program.log" 2>&1 &
program_pid=$!
main=$(wait_window Orvanel) || fail "no main window"
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" = 300 ] && [ "$HEIGHT" = 200 ] || fail "window is ${WIDTH}x$HEIGHT"
[ "$X" = 362 ] && [ "$Y" = 284 ] || fail "window is at $X,$Y, not centred"

xdotool windowfocus --sync "$main"
sleep 0.3
xdotool key g
dialog=$(wait_window "Save JD800 Sysex Bank ...") || fail "no save dialog"
xdotool windowfocus --sync "$dialog"
sleep 0.3
xdotool type --delay 5 "$work/bank"  # no extension: the dialog adds .syx
press_until_gone "$dialog" "Save JD800 Sysex Bank ..." Return
confirmation=$(wait_window Information) || fail "no confirmation"
[ "$(stat -c %s "$work/bank.syx")" = 25536 ] || fail "bank file is not 25536 bytes"
press_until_gone "$confirmation" Information Return

xdotool windowfocus --sync "$main"
xdotool key q
for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$program_pid" 2>/dev/null && fail "q did not end the program"
status=0
wait "$program_pid" || status=$?
program_pid=""
[ "$status" = 0 ] || fail "exit code $status"
echo "end_to_end: passed"
