# Sourced by the scripts that need a real X server: start_xvfb FOLDER starts a
# fresh Xvfb on a free display, keeping its notes in FOLDER, and sets DISPLAY
# and xvfb_pid. -noreset: the server must outlive its last client.
start_xvfb() {
  exec 3>"$1/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -noreset -nolisten tcp >"$1/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -s "$1/display" ] && break; sleep 0.1; done
  [ -s "$1/display" ] || { echo "Xvfb did not start" >&2; return 1; }
  DISPLAY=":$(cat "$1/display")"
  export DISPLAY
  # Qt's own windowing, whatever the calling desktop asks for.
  unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME XDG_CURRENT_DESKTOP
}
