#!/usr/bin/env bash
# On an X server that no other client holds (started without -noreset, as xinit starts one), the
# clock starts every time, also when a busy machine delays it between asking whether the display
# answers and connecting for good: 20 starts, each on a fresh server, beside a busy loop on every
# core. (Where no display answers, tst_singleinstance hears the program say so.)
source "$(dirname "$0")/lib.sh"
busy=()
for _ in $(seq "$(nproc)"); do (while :; do :; done) & busy+=($!); done
trap 'kill "${busy[@]}"; cleanup_children' EXIT
failed=()
for start in $(seq 20); do
  # A display number no other X server holds: /tmp's lock files are shared with the whole machine.
  exec {displayfd}<> <(:)
  Xvfb -displayfd "$displayfd" -screen 0 640x480x24 -nolisten tcp >"$ARTIFACTS/xvfb-$start.log" 2>&1 &
  server=$!
  read -r -t 5 -u "$displayfd" number
  exec {displayfd}>&-
  export DISPLAY=:$number
  start_pomuri
  # Only once the clock has had time to connect does the test look at the display: a connection
  # of its own would hold the server and hide the fault.
  sleep 1
  find_window "ぽむりの時計" 10 >/dev/null || failed+=("start $start showed no clock (see ${POMURI_LOG##*/})")
  kill "$POMURI_PID" "$server" 2>/dev/null
  wait "$POMURI_PID" "$server" 2>/dev/null
done
check "the clock started on 20 fresh X servers beside busy loops (${failed[*]:-every time})" [ ${#failed[@]} = 0 ]
finish
