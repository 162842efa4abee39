#!/usr/bin/env bash
# With no window manager to move anything: the screen shrinks under the clock and the open settings
# dialog, and the program itself brings both back onto it.
source "$(dirname "$0")/lib.sh"
start_pomuri
clock_window
read -r x y <<<"$(window_origin "$clock")"
open_settings || finish
check_back_on_screen "$settings"
finish
