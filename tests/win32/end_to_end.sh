#!/bin/sh
# orvanel.exe under Wine, driven by xdotool as a user would:
# where the window stands, G and the save dialog, a name without an
# extension, the confirmation, the overwrite prompt, a missing folder's
# error box and a window that goes on working, then Q; and a second run
# closed from the taskbar. Both runs must end with exit code 0. Runs on the
# display that tools/wine_xvfb.sh gives it.
#   end_to_end.sh WINE_RUNNER PREFIX orvanel.exe orvanel-bank.exe window_probe.exe
set -eu
wine_run=$1
prefix=$2
program=$3
bank_tool=$4
probe=$5
work=$(mktemp -d)
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "end_to_end (Windows): $*" >&2
  [ -s "$work/program.log" ] && sed 's/^/  program: /' "$work/program.log" >&2
  exit 1
}


. "$(dirname "$0")/../program_exit.sh"

windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
# The id of a visible window named NAME other than the windows EXCEPT (xdotool
# matches names in any case, so the box "orvanel" also finds "Orvanel").
wait_window() {  # NAME [EXCEPT...]
  name=$1
  shift
  for _ in $(seq 120); do
    found=$(xdotool search --onlyvisible --name "^$name\$" | grep -vx -e "${1:-none}" -e "${2:-none}" | head -n 1) ||
      true
    [ -n "$found" ] && { echo "$found"; return 0; }
    sleep 0.25
  done
  return 1
}
# A window can be mapped a moment before it takes keys, and can stay mapped a
# moment after it has closed: KEY goes to WINDOW only while it has the focus,
# and again only when WINDOW has not gone for a good while.
press_until_gone() {  # WINDOW KEY
  for _ in $(seq 10); do
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && xdotool key "$2"
    for _ in $(seq 30); do
      xdotool search --onlyvisible --name . | grep -qx "$1" || return 0
      sleep 0.1
    done
  done
  fail "window $1 did not close"
}
# Presses KEY in WINDOW until a window named NAME comes up; prints its id.
press_until_shown() {  # WINDOW KEY NAME
  for _ in $(seq 4); do
    xdotool windowfocus --sync "$1" 2>/dev/null || true
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ] && xdotool key "$2"
    found=$(timeout 10 xdotool search --sync --onlyvisible --name "^$3\$" | grep -vx "$1" | head -n 1) || true
    [ -n "$found" ] && { echo "$found"; return 0; }
  done
  return 1
}
texts() { "$wine_run" "$prefix" "$probe" texts "$1" | tr -d '\r'; }
start() {
  "$wine_run" "$prefix" "$program" >"$work/program.log" 2>&1 &
  program_pid=$!
  main=""
  main=$(wait_window Orvanel) || fail "no main window"
}
save_as() {  # PATH (typed into the save dialog, which must come with its title)
  dialog=$(press_until_shown "$main" g "Save JD800 Sysex Bank ...") || fail "g brought no save dialog"
  # The dialog fills its name box a moment after it shows: type until the
  # box holds the path.
  for _ in $(seq 10); do
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    xdotool key alt+n End shift+Home  # to "File name:", where the last path gives way
    xdotool type --delay 5 "$1"
    texts "Save JD800 Sysex Bank ..." | grep -qxF "$1" && break
  done
  xdotool key Return
}

start
eval "$(xdotool getwindowgeometry --shell "$main")"
[ "$WIDTH" = 300 ] && [ "$HEIGHT" = 200 ] || fail "window is ${WIDTH}x$HEIGHT"
[ "$X" = 362 ] && [ "$Y" = 284 ] || fail "window is at $X,$Y, not centred"

# A name without an extension is saved as .syx, then confirmed.
save_as "$(windows_path "$work/bank")"
confirmation=$(wait_window Information "$main") || fail "no confirmation"
texts Information | grep -qx "Bank has been generated and saved!" || fail "the confirmation says: $(texts Information)"
[ "$(stat -c %s "$work/bank.syx")" = 25536 ] || fail "bank.syx is not 25536 bytes"
"$wine_run" "$prefix" "$bank_tool" check --rules "$(windows_path "$work/bank.syx")" >"$work/check.log" ||
  fail "bank.syx fails the check: $(cat "$work/check.log")"
press_until_gone "$confirmation" Return
cp "$work/bank.syx" "$work/first.syx"

# The dialog offers the last path; the file exists, so the dialog asks.
dialog=$(press_until_shown "$main" g "Save JD800 Sysex Bank ...") || fail "g brought no save dialog"
for _ in $(seq 40); do
  texts "Save JD800 Sysex Bank ..." | grep -qx "bank.syx" && break
  sleep 0.25
done
texts "Save JD800 Sysex Bank ..." | grep -qx "bank.syx" || fail "the dialog does not offer the last file"
xdotool windowfocus --sync "$dialog"
xdotool key Return
prompt=$(wait_window "Save JD800 Sysex Bank \.\.\." "$dialog" "$main") || fail "no overwrite prompt for an existing file"
press_until_gone "$prompt" y
confirmation=$(wait_window Information "$main") || fail "no confirmation after the overwrite"
press_until_gone "$confirmation" Return
cmp -s "$work/bank.syx" "$work/first.syx" && fail "the bank was not written anew"
[ "$(stat -c %s "$work/bank.syx")" = 25536 ] || fail "the new bank.syx is not 25536 bytes"

# A missing folder: the error box under the application's title.
save_as "$(windows_path "$work/missing/bank.syx")"
error_box=$(wait_window orvanel "$main") || fail "no error box captioned orvanel"
texts orvanel | grep -qx "Invalid filename." || fail "the error box says: $(texts orvanel)"
press_until_gone "$error_box" Return
[ ! -e "$work/missing" ] || fail "a missing folder was made"

# The window goes on working: another bank, then Q.
save_as "$(windows_path "$work/again")"
confirmation=$(wait_window Information "$main") || fail "no confirmation after the error"
press_until_gone "$confirmation" Return
[ "$(stat -c %s "$work/again.syx")" = 25536 ] || fail "again.syx is not 25536 bytes"
xdotool windowfocus --sync "$main"
xdotool key q
expect_exit_0 q

# Closed from the taskbar, as Windows' taskbar asks: exit code 0 as well.
start
"$wine_run" "$prefix" "$probe" close Orvanel || fail "no window to close"
expect_exit_0 "a close from the taskbar"
echo "end_to_end (Windows): passed"
