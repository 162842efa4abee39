#!/usr/bin/env bash
# A seeded random "monkey": a few hundred clicks, drags, right-clicks and key presses over the
# clock and its dialogs. It never touches the exit frame, so the clock must still be alive and
# ticking at the end. MONKEY_SEED and MONKEY_STEPS override the defaults.
source "$(dirname "$0")/lib.sh"

RANDOM=${MONKEY_SEED:-20261206}
steps=${MONKEY_STEPS:-200}
echo "seed ${MONKEY_SEED:-20261206}, $steps steps"

start_pomuri
clock=$(find_window "ぽむりの時計") || { fail "the clock window did not appear"; finish; }

visible() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
random_in() { echo $(($1 + RANDOM % $2)); } # random_in START SPAN

for step in $(seq "$steps"); do
  kill -0 "$POMURI_PID" 2>/dev/null || { fail "the clock died at step $step"; break; }
  read -r x y <<<"$(window_origin "$clock")"
  case $((RANDOM % 10)) in
  0 | 1) # a click with any button on the clock
    xdotool mousemove "$(random_in "$x" 178)" "$(random_in "$y" 167)" click $((1 + RANDOM % 3))
    ;;
  2) # a short drag that keeps the clock on the screen
    tx=$(random_in 20 800) ty=$(random_in 20 560)
    xdotool mousemove $((x + 20)) $((y + 20)) mousedown 1
    sleep 0.1
    xdotool mousemove $((tx + 20)) $((ty + 20))
    sleep 0.1
    xdotool mouseup 1
    ;;
  3) # the menu's 設定
    xdotool mousemove $((x + 30)) $((y + 30)) click 3
    menu=$(find_window "ファイル" 1) && {
      read -r mx my <<<"$(window_origin "$menu")"
      xdotool mousemove $((mx + 30)) $((my + 10)) click 1
    }
    ;;
  4 | 5 | 6) # a click in the settings dialog, outside the exit frame
    settings=$(visible "ぽむりの時計の設定")
    if [ -n "$settings" ]; then
      read -r sx sy <<<"$(window_origin "$settings")"
      px=$(random_in 0 290) py=$(random_in 0 291)
      xdotool mousemove $((sx + px)) $((sy + py)) click 1
    fi
    ;;
  7) # a click in the About dialog
    about=$(visible "このソフトについて")
    if [ -n "$about" ]; then
      read -r ax ay <<<"$(window_origin "$about")"
      xdotool mousemove "$(random_in "$ax" 312)" "$(random_in "$ay" 213)" click 1
    fi
    ;;
  *) # a key that presses no button
    keys=(Tab Left Right Up Down Home End Escape a 1)
    xdotool key "${keys[RANDOM % ${#keys[@]}]}"
    ;;
  esac
  sleep 0.05
done

check "the clock is alive after $steps steps" kill -0 "$POMURI_PID"

# Put it where it can be seen, opaque, and watch the readout change.
xdotool key Escape
sleep 0.2
settings=$(visible "ぽむりの時計の設定")
if [ -z "$settings" ]; then
  read -r x y <<<"$(window_origin "$clock")"
  xdotool mousemove $((x + 30)) $((y + 30)) click 3
  menu=$(find_window "ファイル" 2) && read -r mx my <<<"$(window_origin "$menu")" &&
    xdotool mousemove $((mx + 30)) $((my + 10)) click 1
  settings=$(find_window "ぽむりの時計の設定" 5)
fi
read -r sx sy <<<"$(window_origin "$settings")"
xdotool mousemove $((sx + 132)) $((sy + 136)) click 1 key End
xdotool mousemove $((sx + 236)) $((sy + 172)) click 1
xdotool windowmove "$settings" 0 0
xdotool windowmove "$clock" 600 300
sleep 0.5
read -r x y <<<"$(window_origin "$clock")"
readout() { "$CONVERT" "$1" -crop "105x25+$((x + 40))+$((y + 104))" +repage -format '%#' info:; }
a=$(readout "$(screenshot monkey-1)")
sleep 1.3
b=$(readout "$(screenshot monkey-2)")
check "and still ticking" [ "$a" != "$b" ]

finish
