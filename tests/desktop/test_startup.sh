#!/usr/bin/env bash
# The clock at a fixed time as a person first sees it: in place, without a frame, at 35 %, drawn as
# it always was, offered neither iconify nor maximise by the window manager, and in no taskbar,
# pager or window switcher.
source "$(dirname "$0")/lib.sh"

start_pomuri "2026-12-06 03:00:45"
clock_window
check_placed_as_laid_out
actions=$(xprop -id "$clock" _NET_WM_ALLOWED_ACTIONS)
check "the window manager offers neither iconify nor maximise" eval '! grep -qE "MINIMIZE|MAXIMIZE" <<<"$actions"'
states=$(xprop -id "$clock" _NET_WM_STATE)
check "asks to be left out of taskbars and pagers" eval 'grep -q SKIP_TASKBAR <<<"$states" && grep -q SKIP_PAGER <<<"$states"'

xdotool mousemove 10 10
sleep 1.5 # the first hand update comes within a second
case $SESSION in
kwin_x11 | kwin_wayland | gnome) # what the desktop shell itself makes of the window
  view=$(shell_view "ぽむりの時計")
  check "$SESSION: in no taskbar or switcher, cannot be minimised, drawn at 89 ($view)" \
    [ "$view" = "skip-taskbar=true in-switcher=false minimizable=false opacity=89" ]
  ;;
esac
screenshot "$ARTIFACTS/startup.png" # the composited screen, as a person sees it
"$CONVERT" "$ARTIFACTS/startup.png" -crop "178x167+$x+$y" +repage "$ARTIFACTS/clock.png"
# KWin on X11 blends through OpenGL, whose rounding of edge pixels may differ by a level or two.
fuzz=0
[ "$SESSION" = kwin_x11 ] && fuzz=1%
differing=$(compare -metric AE -fuzz "$fuzz" "$ARTIFACTS/clock.png" "$(dirname "$0")/reference-startup.png" null: 2>&1)
check "every pixel as in the reference ($differing differ)" [ "$differing" = 0 ]
finish
