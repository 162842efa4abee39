#!/usr/bin/env bash
# Dragging, the pop-up menu and every button of the settings and About dialogs, by mouse and
# keyboard only, seen through xprop and screenshots.
source "$(dirname "$0")/lib.sh"

click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep 0.2; }

open_settings() {
  click_at $((x + 130)) $((y + 40)) 3
  local menu mx my
  menu=$(find_window "ファイル" 5) || { fail "the pop-up menu did not open"; return 1; }
  read -r mx my <<<"$(window_origin "$menu")"
  click_at $((mx + 30)) $((my + 10))
  settings=$(find_window "ぽむりの時計の設定" 5) || { fail "choosing 設定 did not open the settings"; return 1; }
  read -r sx sy <<<"$(window_origin "$settings")"
}

start_pomuri "2026-12-06 03:00:45"
clock=$(find_window "ぽむりの時計") || { fail "the clock window did not appear"; finish; }
read -r x y <<<"$(window_origin "$clock")"

# A left drag from the face moves the clock by the mouse's travel and leaves it there.
xdotool mousemove $((x + 130)) $((y + 40)) mousedown 1
sleep 0.3
for step in 1 2 3 4 5; do
  xdotool mousemove $((x + 130 - 20 * step)) $((y + 40 - 30 * step))
  sleep 0.05
done
sleep 0.3
xdotool mouseup 1
sleep 0.3
read -r nx ny <<<"$(window_origin "$clock")"
check "dragged by (-100,-150) to $((x - 100)),$((y - 150)) (got $nx,$ny)" [ "$nx $ny" = "$((x - 100)) $((y - 150))" ]
x=$nx y=$ny

# Right-click, 設定: the settings dialog.
open_settings || finish

# The slider to 100 and 変更: the clock becomes opaque.
click_at $((sx + 132)) $((sy + 136))
xdotool key End
click_at $((sx + 236)) $((sy + 172))
check "slider at 100 and 変更 make the clock opaque" [ "$(opacity_of "$clock")" = "4294967295" ]
shot=$(screenshot opaque)
check "the opaque face is pure blue" colour_near "$shot" $((x + 130)) $((y + 40)) 0 0 255 4

# Back to 35: Home, then 35 clicks on the right arrow, one step each.
click_at $((sx + 132)) $((sy + 136))
xdotool key Home
xdotool mousemove $((sx + 217)) $((sy + 136)) click --repeat 35 --delay 40 1
sleep 0.3
click_at $((sx + 236)) $((sy + 172))
check "back to 35 restores alpha 89" [ "$(opacity_of "$clock")" = "1499027801" ]
shot=$(screenshot translucent-again)
check "the face is blended again" colour_near "$shot" $((x + 130)) $((y + 40)) "$(blend 0 89)" "$(blend 0 89)" "$(blend 255 89)"

# 12時間表記 and its O k: the longer 12-hour text reaches past where the 24-hour text ends.
before=$(count_green "$shot" $((x + 118)) $((y + 104)) 27 25)
click_at $((sx + 40)) $((sy + 256))
click_at $((sx + 176)) $((sy + 260))
shot=$(screenshot twelve-hour)
after=$(count_green "$shot" $((x + 118)) $((y + 104)) 27 25)
check "the 12-hour text shows ($before green pixels right of the 24-hour text, now $after)" \
  [ "$before" -eq 0 -a "$after" -gt 20 ]

# 開く shows the About dialog and hides the settings; its O k closes it.
click_at $((sx + 220)) $((sy + 52))
about=$(find_window "このソフトについて" 5) && echo "ok: 開く shows the About dialog" || fail "開く did not show the About dialog"
check "the settings dialog is hidden" window_gone "ぽむりの時計の設定"
if [ -n "${about:-}" ]; then
  read -r ax ay <<<"$(window_origin "$about")"
  click_at $((ax + 256)) $((ay + 188))
  check "its O k closes the About dialog" window_gone "このソフトについて"
fi
check "the clock is still there" has_window "ぽむりの時計" 2

# The exit Ok with このソフトを終了する ends the program with status 0.
open_settings || finish
click_at $((sx + 322)) $((sy + 80))
click_at $((sx + 432)) $((sy + 120))
wait_for_exit "$POMURI_PID"
check "このソフトを終了する ends the program with status 0 (got $EXIT_STATUS)" [ "$EXIT_STATUS" = 0 ]
screenshot final >/dev/null

finish
