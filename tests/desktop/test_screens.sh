#!/usr/bin/env bash
# With no window manager to move anything, the program itself brings its forms back when the
# screen shrinks under them: the clock in the middle of a drag, which ends, and the settings dialog,
# hidden. The 表示 frame's Ok then re-applies the clock's new place, not the one it had before.
source "$(dirname "$0")/lib.sh"
start_pomuri
clock_window
read -r x y <<<"$(window_origin "$clock")"
open_settings || finish
settings_click locate_click Command3 # the clock's place re-applied; then 設定の終了's Ok hides the settings
xdotool mousemove $((x + 130)) $((y + 40)) mousedown 1 sleep 0.2 # a drag under way
check_back_on_screen
xdotool mousemove 10 10 sleep 0.3 mouseup 1 sleep 0.3
check "the drag ended with the change: the clock stays at $x,$y" [ "$(window_origin "$clock")" = "$x $y" ]
open_settings || finish
check "the hidden settings dialog is back on the screen too" on_screen "$settings" 700x500
settings_click locate_click
check "the 表示 frame's Ok keeps the clock where it now is" [ "$(window_origin "$clock")" = "$x $y" ]
finish
