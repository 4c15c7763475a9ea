#!/bin/sh
# Start-up cost as a user feels it: time from process start until the window
# is mapped, and peak resident memory, for Orvanel and for the floor (a bare
# Qt program showing the same controls), runs of the two alternating in one
# Xvfb server.
#   startup.sh BUILD_FOLDER [RUNS]
set -eu
build=$1
runs=${2:-30}
work=$(mktemp -d)
xvfb_pid=""
trap 'kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT

. "$(dirname "$0")/../tools/xvfb.sh"
start_xvfb "$work"

# One untimed run of each fills the file cache.
"$build/bench/startup_probe" "$build/orvanel" >/dev/null
"$build/bench/startup_probe" "$build/bench/startup_floor" >/dev/null
for _ in $(seq "$runs"); do
  "$build/bench/startup_probe" "$build/orvanel" >>"$work/orvanel"
  "$build/bench/startup_probe" "$build/bench/startup_floor" >>"$work/floor"
done

median() {  # COLUMN FILE
  cut -d' ' -f"$1" "$2" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
report() {  # WHAT COLUMN UNIT
  mine=$(median "$2" "$work/orvanel")
  floor=$(median "$2" "$work/floor")
  awk -v what="$1" -v unit="$3" -v mine="$mine" -v floor="$floor" \
    'BEGIN { printf "%-22s orvanel %8.1f %s   floor %8.1f %s   ratio %.3f\n", what, mine, unit, floor, unit, mine / floor }'
}
echo "start-up, median of $runs alternating runs in Xvfb:"
report "until window mapped" 1 ms
report "peak resident memory" 2 KiB
