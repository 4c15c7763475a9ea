#!/bin/sh
# The same seed makes the same bank on Windows and on Linux: the two builds'
# orvanel-bank side by side, the files byte for byte and the words alike.
#   bank_tool_across.sh LINUX_TOOL WINE_RUNNER PREFIX WINDOWS_TOOL
set -eu
linux=$1
wine_run=$2
prefix=$3
windows=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "bank_tool_across: $*" >&2
  exit 1
}
on_windows() { "$wine_run" "$prefix" "$windows" "$@" | tr -d '\r'; }

for seed in 0 1 1234567 18446744073709551615; do
  "$linux" generate "$work/linux-$seed.syx" --seed "$seed" >"$work/linux.out"
  on_windows generate "$work/windows-$seed.syx" --seed "$seed" >"$work/windows.out"
  cmp "$work/linux-$seed.syx" "$work/windows-$seed.syx" || fail "seed $seed: the banks differ"
  cmp "$work/linux.out" "$work/windows.out" || fail "seed $seed: generate says different things"
  [ "$(cat "$work/linux.out")" = "seed $seed" ] || fail "seed $seed: generate says $(cat "$work/linux.out")"
  # Each build checks the other's bank in the same words.
  "$linux" check --rules "$work/windows-$seed.syx" >"$work/linux.out"
  on_windows check --rules "$work/windows-$seed.syx" >"$work/windows.out"
  cmp "$work/linux.out" "$work/windows.out" || fail "seed $seed: check says different things"
  grep -q ": sound$" "$work/windows.out" || fail "seed $seed: the bank is not sound"
done
echo "bank_tool_across: the same banks and words on both"
