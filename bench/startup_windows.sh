#!/bin/sh
# The Windows programs as a user meets them under Wine: start-up of
# orvanel.exe until its window is mapped, against the floor (a bare Win32
# program showing the same controls), runs of the two alternating in one Xvfb
# server and one Wine session; then each .exe's size and the DLLs it imports,
# which must be Windows' own. Runs in the session tools/wine_xvfb.sh gives it.
#   startup_windows.sh WINDOWS_BUILD PATH/TO/startup_probe [RUNS]
set -eu
build=$(realpath "$1")
probe=$2
runs=${3:-30}
wine_run="$(dirname "$0")/../tools/wine.sh"
prefix="$build/wine"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One untimed run of each starts Wine and fills the file cache.
"$probe" "$wine_run" "$prefix" "$build/orvanel.exe" >/dev/null
"$probe" "$wine_run" "$prefix" "$build/bench/startup_floor_win32.exe" >/dev/null
for _ in $(seq "$runs"); do
  "$probe" "$wine_run" "$prefix" "$build/orvanel.exe" >>"$work/orvanel"
  "$probe" "$wine_run" "$prefix" "$build/bench/startup_floor_win32.exe" >>"$work/floor"
done

median() {  # FILE: the median of its first column
  cut -d' ' -f1 "$1" | sort -n |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
awk -v runs="$runs" -v mine="$(median "$work/orvanel")" -v floor="$(median "$work/floor")" 'BEGIN {
  printf "orvanel.exe under Wine, median of %d alternating runs in Xvfb:\n", runs
  printf "until window mapped     orvanel.exe %8.1f ms   floor %8.1f ms   ratio %.3f\n", mine, floor, mine / floor
}'

for exe in orvanel.exe orvanel-bank.exe; do
  size=$(stat -c %s "$build/$exe")
  dlls=$(x86_64-w64-mingw32-objdump -p "$build/$exe" | awk '/DLL Name:/ { print $3 }' | sort -fu | paste -sd' ')
  printf "%-17s %8d bytes (%.0f KiB)   imports %s\n" "$exe" "$size" "$((size / 1024))" "$dlls"
done
