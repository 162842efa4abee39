#!/usr/bin/env bash
# At twice the scale (QT_SCALE_FACTOR=2): the clock and both dialogs come out twice their size;
# their screenshots stay in the artifacts for the eye (nothing clipped, nothing overlapping).
source "$(dirname "$0")/lib.sh"

QT_SCALE_FACTOR=2 start_pomuri "2026-12-06 10:10:30"
clock_window
check "the clock is twice its size" [ "$(size_of "$clock")" = 356x334 ]
read -r x y <<<"$(window_origin "$clock")"
xdotool mousemove $((x + 60)) $((y + 60)) click 3
menu=$(find_window "ファイル" 5) && read -r mx my <<<"$(window_origin "$menu")"
xdotool mousemove $((mx + 60)) $((my + 20)) click 1
settings=$(find_window "ぽむりの時計の設定" 5) || { fail "the settings dialog did not open"; finish; }
check "the settings dialog is twice its size" [ "$(size_of "$settings")" = 1004x582 ]
xdotool windowmove "$settings" 0 0 sleep 0.5
screenshot "$ARTIFACTS/settings-scaled.png"
xdotool mousemove 440 104 click 1 # 開く
about=$(find_window "このソフトについて" 5) || { fail "開く did not open the About dialog"; finish; }
check "the About dialog is twice its size" [ "$(size_of "$about")" = 624x426 ]
xdotool windowmove "$about" 0 0 sleep 0.5
screenshot "$ARTIFACTS/about-scaled.png"
finish
