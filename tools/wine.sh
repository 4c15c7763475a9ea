#!/bin/sh
# Runs a Windows program under Wine in a prefix of the build's own, never in
# the home folder:
#   tools/wine.sh PREFIX PROGRAM.exe [ARGUMENT...]
# The first call makes the prefix (one wineboot, without the Mono and Gecko
# prompts); later calls, parallel ones too, reuse it. Arguments and file
# names cross as UTF-8.
set -eu
prefix=$(realpath -m "$1")
shift
export WINEPREFIX="$prefix" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8

# Wine leaves file permissions to Linux, and root passes them all: run as
# root, it would write to read-only files. Without that power (wineserver
# too, which opens the files) it meets the checks every Windows user meets.
as_user() {
  if [ "$(id -u)" = 0 ] && setpriv --bounding-set=-dac_override true 2>/dev/null; then
    setpriv --inh-caps=-dac_override --bounding-set=-dac_override "$@"
  else
    "$@"
  fi
}

if [ ! -e "$prefix/.booted" ]; then
  mkdir -p "$(dirname "$prefix")"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -e "$prefix/.booted" ]; then
    as_user wine wineboot --init >/dev/null 2>&1
    # Wine's own faces (MS Sans Serif, Tahoma; Debian's fonts-wine), where
    # Debian's Wine looks for them: in the prefix's Windows folder.
    ln -sf /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/"
    # Xvfb runs no window manager: Wine keeps its windows itself, or every
    # window that hides would wait 2 s for a manager's answer.
    as_user wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    touch "$prefix/.booted"
  fi
  exec 9>&-
fi
# Debian starts wineserver to end with its last client; kept 3 s longer,
# one server serves a run of tests instead of starting anew for each.
as_user wineserver -p3 2>/dev/null || true
as_user wine "$@"
