#!/usr/bin/env bash
# The clock at a fixed time, as a person first sees it: placement, no frame, 35 % opacity,
# the face blended over the desktop, each hand's colour at its tip, the green readout.
source "$(dirname "$0")/lib.sh"

start_pomuri "2026-12-06 03:00:45"
clock=$(find_window "ぽむりの時計") || { fail "the clock window did not appear"; finish; }

read -r x y <<<"$(window_origin "$clock")"
check "placed at 834,545 on a 1024x768 screen (got $x,$y)" [ "$x $y" = "834 545" ]
read -r width height <<<"$(xwininfo -id "$clock" | awk '/Width:/ {w=$NF} /Height:/ {h=$NF} END {print w, h}')"
check "client area 178x167 (got ${width}x${height})" [ "${width}x${height}" = "178x167" ]
frame=$(xwininfo -id "$clock" -frame | awk '/Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h}')
check "no frame around the window (frame $frame)" [ "$frame" = "178x167" ]
check "35 % opacity is alpha 89 (0x59595959)" [ "$(opacity_of "$clock")" = "1499027801" ]

sleep 1.5 # the first hand update comes about a second after start-up
shot=$(screenshot startup)
alpha=89
face_r=$(blend 0 $alpha) face_b=$(blend 255 $alpha)
check "face is blue over grey" colour_near "$shot" $((x + 130)) $((y + 40)) "$face_r" "$face_r" "$face_b"
check "corner is white over grey" colour_near "$shot" $((x + 1)) $((y + 1)) "$(blend 255 $alpha)" "$(blend 255 $alpha)" "$(blend 255 $alpha)"
# 03:00:45: the hour hand points right, the second hand left, the minute hand just past twelve.
check "hour hand colour near its tip" colour_near "$shot" $((x + 128)) $((y + 80)) "$(blend 192 $alpha)" "$(blend 0 $alpha)" "$(blend 0 $alpha)" 20
check "second hand colour near its tip" colour_near "$shot" $((x + 32)) $((y + 80)) "$(blend 255 $alpha)" "$(blend 255 $alpha)" "$(blend 255 $alpha)" 30
check "minute hand colour near its tip" colour_near "$shot" $((x + 92)) $((y + 27)) "$(blend 255 $alpha)" "$(blend 0 $alpha)" "$(blend 0 $alpha)" 30
green=$(count_green "$shot" $((x + 48)) $((y + 104)) 89 25)
check "green readout text in its rectangle ($green pixels)" [ "$green" -gt 40 ]
outside=$(count_green "$shot" "$x" "$y" 178 100)
check "no green above the readout ($outside pixels)" [ "$outside" -eq 0 ]

finish
