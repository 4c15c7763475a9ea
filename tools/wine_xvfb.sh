#!/bin/sh
# Runs a command in a Wine session of its own on a private Xvfb: Wine's
# desktop takes the display of the session's first program, so a session
# that console programs began would show no window. The session ends with
# the command, however it ends; nothing else may use the prefix meanwhile
# (a test that runs it is RUN_SERIAL).
#   tools/wine_xvfb.sh PREFIX COMMAND [ARGUMENT...]
set -eu
prefix=$1
shift
work=$(mktemp -d)
xvfb_pid=""
end_session() { WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; }
trap 'end_session; kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/xvfb.sh"
start_xvfb "$work"
end_session
"$@"
