#!/bin/sh
# orvanel-bank send against its floor: the wall time and process CPU time
# (user + system) of sending a whole bank, against the wire time of its
# 25,536 bytes (320 us each) plus 96 intervals. Over a JACK server of its own
# with the dummy driver at 48 kHz, into jack_midi_dump: first at JACK's
# default period of 1024 frames, then at 256, where the JACK client's thread
# in orvanel-bank wakes four times as often.
#   midi_send.sh PATH/TO/orvanel-bank
set -eu
tool=$1
work=$(mktemp -d)
jackd_pid=""
sink_pid=""
stop_jack() {
  [ -n "$sink_pid" ] && kill "$sink_pid" 2>/dev/null && wait "$sink_pid" 2>/dev/null || true
  [ -n "$jackd_pid" ] && kill "$jackd_pid" 2>/dev/null && wait "$jackd_pid" 2>/dev/null || true
  sink_pid=""
  jackd_pid=""
}
trap 'stop_jack; rm -rf "$work"' EXIT
trap 'exit 1' INT TERM

JACK_DEFAULT_SERVER="orvanel-bench-$$"
export JACK_DEFAULT_SERVER
start_jack() {  # PERIOD
  jackd --name "$JACK_DEFAULT_SERVER" -d dummy --rate 48000 --period "$1" >"$work/jackd.log" 2>&1 &
  jackd_pid=$!
  jack_wait --wait --timeout 10 >/dev/null 2>&1
  jack_midi_dump bench-sink >/dev/null 2>&1 &
  sink_pid=$!
  for _ in $(seq 50); do jack_lsp 2>/dev/null | grep -q '^bench-sink:' && return 0; sleep 0.1; done
  echo "midi_send.sh: JACK did not start" >&2
  return 1
}

send() {  # PERIOD INTERVAL
  floor_s=$(awk -v i="$2" 'BEGIN { printf "%.5f", 25536 * 0.00032 + 96 * i / 1000 }')
  /usr/bin/time -f '%e %U %S' -o "$work/time" \
    "$tool" send "$work/bank.syx" --yes --port bench-sink --interval "$2" >/dev/null
  awk -v p="$1" -v i="$2" -v f="$floor_s" '{
    printf "  period %4d  --interval %2d  wall %6.2f s, floor %6.2f s: %.3fx   CPU %.2f s: %.2f %% of the wall time\n",
      p, i, $1, f, $1 / f, $2 + $3, 100 * ($2 + $3) / $1 }' "$work/time"
}

"$tool" generate "$work/bank.syx" --seed 1 >/dev/null
echo "orvanel-bank send, a whole bank (96 messages, 25,536 bytes) over JACK:"
start_jack 1024
send 1024 50
send 1024 50
send 1024 0
stop_jack
start_jack 256
send 256 50
send 256 0
