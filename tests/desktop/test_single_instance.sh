#!/usr/bin/env bash
# One clock per user: a second start warns and exits 0 while the first keeps ticking; a copy
# killed with SIGKILL does not stop the next start.
source "$(dirname "$0")/lib.sh"

readout_crop() { # readout_crop FILE: a fingerprint of the readout's pixels
  "$CONVERT" "$1" -crop "89x25+$((x + 48))+$((y + 104))" +repage -format '%#' info:
}

start_pomuri
first=$POMURI_PID
clock=$(find_window "ぽむりの時計") || { fail "the clock window did not appear"; finish; }
read -r x y <<<"$(window_origin "$clock")"

start_pomuri
second=$POMURI_PID
warning=$(find_window "pomuri" 10) && echo "ok: the second copy shows its warning" || fail "no warning window titled pomuri"
screenshot second-start >/dev/null
if [ -n "${warning:-}" ]; then
  xdotool windowactivate --sync "$warning" 2>/dev/null
  xdotool key --window "$warning" Return
fi
wait_for_exit "$second"
check "the second copy exits with status 0 (got $EXIT_STATUS)" [ "$EXIT_STATUS" = 0 ]
check "the first copy still runs" kill -0 "$first"
a=$(readout_crop "$(screenshot tick-1)")
sleep 1.2
b=$(readout_crop "$(screenshot tick-2)")
check "the first copy still ticks" [ "$a" != "$b" ]

kill -KILL "$first"
wait "$first" 2>/dev/null
start_pomuri
check "after a SIGKILL the next start shows the clock" has_window "ぽむりの時計" 10
sleep 0.5
check "and no warning" [ -z "$(xdotool search --onlyvisible --name '^pomuri$' 2>/dev/null)" ]
check "and keeps running" kill -0 "$POMURI_PID"

finish
