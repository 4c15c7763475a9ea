# Sourced by the end-to-end tests: expect_exit_0 WHAT waits up to 20 s for the
# program $program_pid to end, then fails (with the test's fail) unless it
# ended by itself with exit code 0.
expect_exit_0() {  # WHAT
  for _ in $(seq 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.2; done
  kill -0 "$program_pid" 2>/dev/null && fail "$1 did not end the program"
  status=0
  wait "$program_pid" || status=$?
  program_pid=""
  [ "$status" = 0 ] || fail "$1: exit code $status"
}
