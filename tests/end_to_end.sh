#!/bin/sh
# The real program in a real X server, once with Qt's own file dialog and once
# with GTK's. Each time it starts as it must: centred and active, with
# Generate focused, whatever Qt options it is given; saves a new bank; refuses
# to replace an existing bank.syx, typed as "bank", on a "No" and replaces it
# on a "Yes"; and quits with q and exit code 0.
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
  echo "end_to_end ($dialogs dialogs): $*" >&2
  [ -s "$work/program.log" ] && grep -v -e dconf -e '^$' "$work/program.log" | sed 's/^/  program: /' >&2
  exit 1
}
dialogs=""

. "$(dirname "$0")/../tools/xvfb.sh"
. "$(dirname "$0")/program_exit.sh"
start_xvfb "$work" || fail "no X server"
# Away from the middle, where the window comes up: no pointer-following focus.
xdotool mousemove 0 0

title="Save JD800 Sysex Bank ..."
screen_width=1024
screen_height=768

# xdotool's searches walk every window and give up when one goes away
# meanwhile, as the dialogs' windows do: so they are tried again.
visible() {  # WINDOW
  xwininfo -id "$1" 2>/dev/null | grep -q IsViewable
}

geometry() {  # WINDOW: sets X, Y, WIDTH and HEIGHT
  shell=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || return 1
  eval "$shell"
}

wait_window() {  # NAME: the id of the visible window of that exact name
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    [ -n "$id" ] && echo "$id" && return 0
    sleep 0.2
  done
  return 1
}

# The save dialog and its question bear the same title; the question is the
# small one. Waits for a question, or for a dialog with no question beside it,
# and gives its id.
wait_titled() {  # dialog | question
  for _ in $(seq 100); do
    narrow=""
    wide=""
    for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null || true); do
      geometry "$id" || continue
      if [ "$WIDTH" -lt 500 ]; then narrow=$id; else wide="$wide $id"; fi
    done
    if [ "$1" = question ] && [ -n "$narrow" ]; then
      echo "$narrow"
      return 0
    fi
    if [ "$1" = dialog ] && [ -z "$narrow" ] && [ "$(echo "$wide" | wc -w)" = 1 ]; then
      echo $wide
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# Presses KEY in WINDOW until the window goes away: a window can be mapped a
# moment before it takes keys. A key goes only to the window itself, and again
# only after two seconds, so that none lands in the window that comes next.
press_until_gone() {  # WINDOW KEY
  for _ in $(seq 10); do
    visible "$1" || return 0
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null && xdotool key "$2"
    for _ in $(seq 20); do
      visible "$1" || return 0
      sleep 0.1
    done
  done
  fail "window $1 did not close on $2"
}

# Replaces what the focused name box holds. GTK's completes a name typed
# before it has listed its folder ("bank" to "bank.syx"): give it time.
type_into() {  # WINDOW TEXT
  xdotool windowfocus --sync "$1"
  sleep 1
  xdotool key ctrl+a
  xdotool type --delay 5 "$2"
}

# Starts the program in FOLDER and checks its window: 300 x 200, centred, and
# active without the test activating it, so that Enter presses Generate.
start() {  # FOLDER [ARGUMENTS...]
  folder=$1
  shift
  (cd "$folder" && exec "$program" "$@") >"$work/program.log" 2>&1 &
  program_pid=$!
  main=$(wait_window Orvanel) || fail "no main window"
  geometry "$main" || fail "main window gone"
  [ "$WIDTH" = 300 ] && [ "$HEIGHT" = 200 ] || fail "window is ${WIDTH}x$HEIGHT"
  [ "$X" = 362 ] && [ "$Y" = 284 ] || fail "window is at $X,$Y, not centred"
  for _ in $(seq 50); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$main" ] && return 0
    sleep 0.1
  done
  fail "the window is not active after start-up"
}

look() {  # WINDOW FILE: the window's pixels
  sleep 0.5  # the first paint
  timeout 20 import -window "$1" -depth 8 "rgb:$2"
}

# Enter on the started window saves a new bank NAME through the dialog; leaves
# the confirmation open in $confirmation after checking where it stands.
save_new() {  # NAME
  xdotool key Return
  dialog=$(wait_titled dialog) || fail "no save dialog"
  # GTK gives its windows a class of its own: the program's name with a capital.
  shown=gtk3
  [ "$(xprop -id "$dialog" WM_CLASS)" = "$(xprop -id "$main" WM_CLASS)" ] && shown=qt
  [ "$shown" = "$dialogs" ] || fail "the save dialog is $shown's"
  type_into "$dialog" "$1"
  press_until_gone "$dialog" Return
  confirmation=$(wait_window Information) || fail "no confirmation"
  [ "$(stat -c %s "$folder/$1.syx")" = 25536 ] || fail "$1.syx is not 25536 bytes"
  geometry "$confirmation" || fail "confirmation gone"
  [ "$X" = $(((screen_width - WIDTH) / 2)) ] && [ "$Y" = $(((screen_height - HEIGHT) / 2)) ] ||
    fail "confirmation ${WIDTH}x$HEIGHT at $X,$Y, not centred on the screen"
}

quit() {
  xdotool windowfocus --sync "$main"
  xdotool key q
  expect_exit_0 q
}

# Options Qt would act on if it saw them: another platform, title, place,
# style and direction. The program reads no command line.
qt_options="-platform offscreen -qwindowtitle Other -qwindowgeometry 120x80+1+1 -style windows -reverse"

export HOME="$work/home"
mkdir "$HOME"
for dialogs in qt gtk3; do
  if [ "$dialogs" = gtk3 ]; then export QT_QPA_PLATFORMTHEME=gtk3; else unset QT_QPA_PLATFORMTHEME; fi
  folder="$work/$dialogs"
  mkdir "$folder"

  # Without arguments, then with Qt's options: the same window, the same box.
  start "$folder"
  look "$main" "$work/plain-window.rgb"
  save_new plain
  look "$confirmation" "$work/plain-confirmation.rgb"
  press_until_gone "$confirmation" Return
  quit

  # shellcheck disable=SC2086 # one word an option
  start "$folder" $qt_options
  look "$main" "$work/window.rgb"
  save_new new
  look "$confirmation" "$work/confirmation.rgb"
  cmp -s "$work/plain-window.rgb" "$work/window.rgb" || fail "Qt options changed the window"
  cmp -s "$work/plain-confirmation.rgb" "$work/confirmation.rgb" || fail "Qt options changed the confirmation"
  press_until_gone "$confirmation" Return

  # An existing bank.syx, the name typed without its extension: one question.
  # "No" leaves the file as it was, and the dialog is there again to choose
  # another name or, as here, to cancel.
  head -c 1000 /dev/urandom >"$folder/bank.syx"
  cp "$folder/bank.syx" "$work/old.syx"
  for answer in n y; do
    xdotool windowfocus --sync "$main"
    xdotool key g
    dialog=$(wait_titled dialog) || fail "no save dialog"
    type_into "$dialog" bank
    xdotool key Return  # Qt's own dialog asks from inside, GTK's is gone first
    question=$(wait_titled question) || fail "no question before replacing bank.syx"
    press_until_gone "$question" "$answer"
    [ "$answer" = y ] && break
    dialog=$(wait_titled dialog) || fail "no save dialog after No"
    press_until_gone "$dialog" Escape
    for _ in 1 2 3; do
      xdotool search --onlyvisible --name '^Information$' >/dev/null 2>&1 && fail "confirmed after No"
      sleep 0.1
    done
    cmp -s "$folder/bank.syx" "$work/old.syx" || fail "bank.syx changed after No"
  done

  # "Yes" replaces it, and only then confirms.
  confirmation=$(wait_window Information) || fail "no confirmation after Yes"
  [ "$(stat -c %s "$folder/bank.syx")" = 25536 ] || fail "bank.syx not replaced by a new bank"
  press_until_gone "$confirmation" Return
  quit
  echo "end_to_end ($dialogs dialogs): passed"
done
