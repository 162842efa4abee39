#!/usr/bin/env bash
# The clock on a desktop, as a person meets it: at a fixed time in place, without a frame, at 35 %,
# drawn as it always was, offered neither iconify nor maximise, in no taskbar, pager or switcher;
# then quick clicks, a drag, the window manager's iconify, the menu, the settings dialog's frames
# and the About dialog, minimised dialogs brought back, by mouse and keyboard; the clock and the
# settings dialog back on the screen when it shrinks under them.
source "$(dirname "$0")/lib.sh"

viewable_at() { [ "$(window_origin "$1")" = "$2 $3" ] && xwininfo -id "$1" | grep -q IsViewable; }
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
becomes_active() { poll 3 active "$1"; }
is_in_front() { xprop -id "$clock" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE; }
is_opaque() { [ "$(opacity_of "$clock")" = 4294967295 ]; }

start_pomuri "2026-12-06 03:00:45"
clock_window
if [ "$SESSION" != gnome ]; then # only GNOME Shell needs the opacity said again after the map
  writes=$(timeout 0.6 xprop -spy -id "$clock" _NET_WM_WINDOW_OPACITY | wc -l)
  check "the opacity is said once ($writes times in the window's first half second)" [ "$writes" = 1 ]
fi
check_placed_as_laid_out
actions=$(xprop -id "$clock" _NET_WM_ALLOWED_ACTIONS)
check "the window manager offers neither iconify nor maximise" eval '! grep -qE "MINIMIZE|MAXIMIZE" <<<"$actions"'
states=$(xprop -id "$clock" _NET_WM_STATE)
check "asks to be left out of taskbars and pagers" eval 'grep -q SKIP_TASKBAR <<<"$states" && grep -q SKIP_PAGER <<<"$states"'
xdotool mousemove 10 10
sleep 1.5 # the first hand update comes within a second
if [[ "$SESSION" == kwin_* ]]; then # what KWin itself makes of the window
  view=$(shell_view "ぽむりの時計")
  check "$SESSION: in no taskbar or switcher, cannot be minimised, drawn at 89 ($view)" \
    [ "$view" = "skip-taskbar=true in-switcher=false minimizable=false opacity=89" ]
fi
# KWin blends through OpenGL, whose rounding may differ by a level or two; its own view above
# says 89 (on Wayland that view is all there is to see).
[ "$SESSION" = kwin_wayland ] || check_drawn_as reference-startup.png "$([ "$SESSION" = kwin_x11 ] && echo 1%)"

# After an instant click, or a click while the program is too busy to see it at once, the clock
# stays where it is when the pointer goes away.
glued=
for click in $(seq 23); do
  if [ "$click" -le 20 ]; then
    xdotool mousemove $((x + 130)) $((y + 40)) click 1
  else
    kill -STOP "$POMURI_PID"
    xdotool mousemove $((x + 130)) $((y + 40)) mousedown 1 sleep 0.08 mouseup 1 sleep 0.15
    kill -CONT "$POMURI_PID"
  fi
  xdotool sleep 0.1 mousemove 600 100 sleep 0.2
  viewable_at "$clock" "$x" "$y" || { glued=$click; break; }
done
check "clicks leave the clock where it was${glued:+ (click $glued glued it to the pointer)}" [ -z "$glued" ]

# A left drag moves it by the mouse's travel and leaves it there.
xdotool mousemove $((x + 130)) $((y + 40)) mousedown 1 sleep 0.2
for step in 1 2 3 4 5; do xdotool mousemove $((x + 130 - 20 * step)) $((y + 40 - 30 * step)) sleep 0.05; done
xdotool mouseup 1 sleep 0.5 mousemove 10 10 sleep 0.3
x=$((x - 100)) y=$((y - 150))
check "dragged by (-100,-150) to $x,$y" viewable_at "$clock" "$x" "$y"

xdotool windowminimize "$clock"
sleep 0.5
check "an iconify the window manager carries out anyway is undone at once, in place" viewable_at "$clock" "$x" "$y"

# The window manager moving the focus while the menu is open (as openbox did just after a dialog
# was minimised) leaves it open.
click_at $((x + 130)) $((y + 40)) 3
find_window "ファイル" 5 >/dev/null && xdotool windowfocus "$(xwininfo -root | awk '/Window id/ {print $4}')" && sleep 0.5
check "the menu stays open when the focus moves elsewhere meanwhile" eval 'find_window "ファイル" 1 >/dev/null'
xdotool key Escape
window_gone "ファイル"

open_settings || finish
IFS=x read -r width height <<<"$(size_of "$settings")"
# Its middle, give or take the height of a title bar: not where the clock is.
middle=$(((sx + width / 2 - 512) ** 2 <= 10 ** 2 && (sy + height / 2 - 384) ** 2 <= 60 ** 2))
check "the settings dialog opens in the middle of the screen (at $sx,$sy, ${width}x$height)" [ "$middle" = 1 ]
xdotool windowminimize "$settings"
window_gone "ぽむりの時計の設定"
open_settings || finish
check "設定 brings the minimised settings dialog back, active" active "$settings"
xdotool windowactivate --sync "$clock"
open_settings || finish
check "設定 brings the open settings dialog to the front, active" active "$settings"

screenshot "$ARTIFACTS/settings.png" # for the eye: nothing clipped, nothing overlapping
check_stacking_and_opacity

settings_click Command4 # 開く
about=$(find_window "このソフトについて" 5) || { fail "開く did not show the About dialog"; finish; }
xdotool windowminimize "$about"
window_gone "このソフトについて"
sleep 0.5 # KWin on Wayland once let the next right-click go while it was still minimising
open_settings || finish
settings_click Command4
check "開く brings the minimised About dialog back, active" active "$about"
screenshot "$ARTIFACTS/about.png"
read -r ax ay <<<"$(window_origin "$about")"
click_at $((ax + 256)) $((ay + 188)) # its O k
check "O k closes the About dialog" window_gone "このソフトについて"
check "and the clock becomes the active window: the keyboard is on the program" becomes_active "$clock"

open_settings || finish
settings_click Command3 # 設定の終了 is selected: its Ok
check "Ok with 設定の終了 hides the settings dialog" window_gone "ぽむりの時計の設定"
check "and the clock becomes the active window" becomes_active "$clock"
open_settings || finish
case $SESSION in
kwin_wayland | gnome) # xdotool's keys go into XWayland, past the compositor's Alt+F4: its close box, then
  how="its close box"
  wmctrl -i -c "$settings" ;;
*)
  how="Alt+F4"
  xdotool key alt+F4 ;;
esac
check "$how closes the settings dialog" window_gone "ぽむりの時計の設定"
check "and the clock becomes the active window" becomes_active "$clock"

if [[ $SESSION != kwin_wayland && $SESSION != gnome ]]; then # a Wayland compositor's screens are its own
  open_settings || finish
  check_back_on_screen "$settings"
fi
end_through_settings
finish
