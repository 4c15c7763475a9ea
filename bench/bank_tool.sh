#!/bin/sh
# orvanel-bank's cost beyond process start-up: the process CPU time (user +
# system) of many runs of `check --rules` on one bank, of `generate`, of
# `generate --from` that bank and of `show --format tsv` of it, less that of as
# many runs of `--version`, which only starts and ends.
#   bank_tool.sh PATH/TO/orvanel-bank [RUNS]
set -eu
tool=$1
runs=${2:-300}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$tool" generate "$work/bank.syx" --seed 1 >/dev/null

cpu_ms() {  # COMMAND...: CPU milliseconds of RUNS runs of it
  /usr/bin/time -f '%U %S' -o "$work/time" sh -c '
    runs=$1; shift
    i=0; while [ "$i" -lt "$runs" ]; do "$@" >/dev/null; i=$((i + 1)); done' sh "$runs" "$@"
  awk '{ printf "%.3f", ($1 + $2) * 1000 }' "$work/time"
}
start_up=$(cpu_ms "$tool" --version)
check=$(cpu_ms "$tool" check --rules "$work/bank.syx")
generate=$(cpu_ms "$tool" generate "$work/out.syx" --seed 1 --force)
vary=$(cpu_ms "$tool" generate "$work/out.syx" --from "$work/bank.syx" --amount 30 --seed 1 --force)
show=$(cpu_ms "$tool" show "$work/bank.syx" --format tsv)
awk -v runs="$runs" -v s="$start_up" -v c="$check" -v g="$generate" -v v="$vary" -v t="$show" 'BEGIN {
  printf "orvanel-bank, process CPU per run over %d runs:\n", runs
  printf "  start-up alone (--version)    %7.3f ms\n", s / runs
  printf "  check --rules, one bank       %7.3f ms   beyond start-up %6.3f ms\n", c / runs, (c - s) / runs
  printf "  generate --seed --force       %7.3f ms   beyond start-up %6.3f ms\n", g / runs, (g - s) / runs
  printf "  generate --from bank --amount %7.3f ms   beyond start-up %6.3f ms\n", v / runs, (v - s) / runs
  printf "  show --format tsv, one bank   %7.3f ms   beyond start-up %6.3f ms\n", t / runs, (t - s) / runs
}'
