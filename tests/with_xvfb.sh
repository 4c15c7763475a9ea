#!/bin/sh
# Runs a command on Qt's X11 platform against a fresh Xvfb server, which is
# stopped however the command ends.
#   with_xvfb.sh COMMAND [ARGUMENTS...]
set -eu
work=$(mktemp -d)
xvfb_pid=""
trap '[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
. "$(dirname "$0")/../tools/xvfb.sh"
start_xvfb "$work"
QT_QPA_PLATFORM=xcb "$@"
