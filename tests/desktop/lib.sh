# Helpers for the desktop tests; sourced inside a session made by scripts/with-x-session.
# The program under test is $POMURI; its lock lives in a runtime directory of the test's own.
set -u

RUNTIME_DIR=$(mktemp -d)
chmod 700 "$RUNTIME_DIR"
CONVERT=convert-im6.q16
failures=0
children=()

cleanup_children() {
  local pid
  for pid in "${children[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${children[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$RUNTIME_DIR"
}
trap cleanup_children EXIT

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
  # What the screen held when it failed, for whoever reads the artifacts.
  screenshot "$ARTIFACTS/failure-$failures.png" 2>/dev/null
  xwininfo -root -tree >"$ARTIFACTS/failure-$failures-windows.txt" 2>&1
}

check() { # check DESCRIPTION COMMAND...
  local description=$1
  shift
  if "$@"; then echo "ok: $description"; else fail "$description"; fi
}

finish() {
  [ "$failures" -eq 0 ] && { echo "all checks passed"; exit 0; }
  tail -n 20 "$ARTIFACTS"/*.log >&2
  echo "$failures check(s) failed; screenshots and logs are in $ARTIFACTS" >&2
  exit 1
}

# launch_clock FIXED_TIME COMMAND...: runs the clock's command in the background, ended with the
# test, its wall clock frozen at FIXED_TIME ("2026-12-06 03:00:45") unless that is empty, its timers
# left running; sets POMURI_PID, and POMURI_LOG to where its output goes.
launch_clock() {
  local fake=()
  [ -n "$1" ] && fake=(LD_PRELOAD="$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 | head -n1)" FAKETIME="$1"
    FAKETIME_DONT_FAKE_MONOTONIC=1)
  POMURI_LOG=$ARTIFACTS/pomuri-$((${#children[@]} + 1)).log
  env "${fake[@]}" "${@:2}" >"$POMURI_LOG" 2>&1 &
  POMURI_PID=$!
  children+=("$POMURI_PID")
}

# start_pomuri [FIXED_TIME]: starts a copy in the Japanese locale (see launch_clock).
start_pomuri() {
  launch_clock "${1:-}" env LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 XDG_RUNTIME_DIR="$RUNTIME_DIR" "$POMURI"
}

# poll SECONDS COMMAND...: true once COMMAND succeeds, tried every tenth of a second; false after
# SECONDS.
poll() {
  local tries=$(($1 * 10))
  shift
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}
not() { ! "$@"; }

# visible_window TITLE: prints the id of a visible window with exactly this title, if there is one.
visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 | grep .; }
# find_window TITLE [SECONDS]: prints its id once there is one (20 s at most).
find_window() { poll "${2:-20}" visible_window "$1"; }
window_gone() { poll 5 not visible_window "$1" >/dev/null; } # window_gone TITLE: once none is visible (5 s at most)

# clock_window: sets clock to the id of the clock's window once it shows (20 s at most); otherwise
# fails, saying whether the program had ended, and ends the test.
clock_window() {
  local status=
  clock=$(find_window "ぽむりの時計") && return 0
  kill -0 "$POMURI_PID" 2>/dev/null || { wait "$POMURI_PID"; status=$?; }
  fail "the clock window did not appear${status:+: the program ended with status $status}"
  finish
}

# check_placed_as_laid_out: the clock at the bottom right of a 1024x768 screen, at 834,545, 178x167
# with no frame around it, at 35 % (alpha 89); sets x and y to its place.
check_placed_as_laid_out() {
  local frame
  read -r x y <<<"$(window_origin "$clock")"
  check "placed at 834,545 on a 1024x768 screen (got $x,$y)" [ "$x $y" = "834 545" ]
  frame=$(size_of "$clock" -frame)
  check "178x167 with no frame around it (got $frame)" [ "$frame" = 178x167 ]
  check "35 % opacity is alpha 89 (0x59595959)" [ "$(opacity_of "$clock")" = 1499027801 ]
}

# check_drawn_as REFERENCE [FUZZ]: the clock at x,y on the composited screen, as a person sees it,
# is the picture tests/desktop/REFERENCE to the pixel (within FUZZ, e.g. 1%).
check_drawn_as() {
  screenshot "$ARTIFACTS/startup.png"
  "$CONVERT" "$ARTIFACTS/startup.png" -crop "178x167+$x+$y" +repage "$ARTIFACTS/clock.png"
  local differing
  differing=$(compare -metric AE -fuzz "${2:-0}" "$ARTIFACTS/clock.png" "$(dirname "${BASH_SOURCE[0]}")/$1" null: 2>&1)
  check "every pixel as in $1 ($differing differ)" [ "$differing" = 0 ]
}

# check_stacking_and_opacity: 手前に表示 and 通常, then the slider at 100 and 変更, in the settings
# dialog at sx,sy; the test's is_in_front and is_opaque say what the desktop shows of the clock.
check_stacking_and_opacity() {
  settings_click Option7 locate_click
  check "手前に表示 keeps the clock in front of other windows" is_in_front
  settings_click Option6 locate_click
  check "通常 lets other windows cover it again" eval '! is_in_front'
  settings_click HScroll1 # then End and 変更
  xdotool key End
  settings_click Command1
  check "the slider at 100 and 変更 make the clock opaque" is_opaque
}

# end_through_settings: このソフトを終了する and its Ok, in the settings dialog that is open or else
# opened, end the program with status 0.
end_through_settings() {
  if settings=$(visible_window "ぽむりの時計の設定"); then
    read -r sx sy <<<"$(window_origin "$settings")"
  else
    open_settings || finish
  fi
  settings_click Option5 Command3
  await_end "$POMURI_PID"
  check "このソフトを終了する ends the program with status 0 (got $ended)" [ "$ended" = 0 ]
}

window_origin() { # window_origin ID [-frame]: prints "X Y", the window's top-left corner on the screen
  xwininfo -id "$1" ${2:+"$2"} | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}

size_of() { # size_of ID [-frame]: prints "WxH", the window's size (with -frame, with its frame's)
  xwininfo -id "$1" ${2:+"$2"} | awk '/Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h}'
}

# on_screen ID WxH: the window, with its frame, lies wholly on a screen of that size.
on_screen() {
  xwininfo -frame -id "$1" | awk -v W="${2%x*}" -v H="${2#*x}" '/upper-left X/ {x = $NF} /upper-left Y/ {y = $NF}
    /Width:/ {w = $NF} /Height:/ {h = $NF} END {exit !(x >= 0 && y >= 0 && x + w <= W && y + h <= H)}'
}

# shrink_screen: the X screen made 700x500, as when a monitor is unplugged or the resolution
# lowered; Xvfb's one output is offered that mode and takes it first.
shrink_screen() {
  xrandr --newmode 700x500 0 700 0 0 0 500 0 0 0 2>/dev/null
  xrandr --addmode screen 700x500 && xrandr --output screen --mode 700x500 --fb 700x500
}

# check_back_on_screen WINDOW...: the screen shrunk (shrink_screen) under the clock at x,y and the
# given windows. Within a second each is wholly on the screen again, the clock with its size and
# opacity; x and y are then its new place.
check_back_on_screen() {
  local opacity window
  opacity=$(opacity_of "$clock")
  shrink_screen
  for window in "$clock" "$@"; do
    check "$(xdotool getwindowname "$window") is wholly on the shrunk screen within a second" poll 1 on_screen "$window" 700x500
  done
  check "the clock keeps its size and opacity" [ "$(size_of "$clock" -frame) $(opacity_of "$clock")" = "178x167 $opacity" ]
  read -r x y <<<"$(window_origin "$clock")"
}

click_at() { xdotool mousemove "$1" "$2" click "${3:-1}"; sleep 0.3; } # click_at X Y [BUTTON]

# open_settings: the menu's 設定, from a right-click on the clock at x,y; sets settings, sx, sy.
open_settings() {
  click_at $((x + 130)) $((y + 40)) 3
  local menu mx my
  menu=$(find_window "ファイル" 5) || { fail "the pop-up menu did not open"; return 1; }
  read -r mx my <<<"$(window_origin "$menu")"
  click_at $((mx + 30)) $((my + 10))
  settings=$(find_window "ぽむりの時計の設定" 5) || { fail "設定 did not show the settings dialog"; return 1; }
  read -r sx sy <<<"$(window_origin "$settings")"
}

# settings_click CONTROL...: a click on each control of the settings dialog opened at sx,sy, named
# as the form names it.
settings_click() {
  local at
  case $1 in
  Command4) at="220 52" ;;      # 開く
  Option5) at="322 80" ;;       # このソフトを終了する
  Command3) at="432 120" ;;     # the Ok of 終了オプション
  HScroll1) at="132 136" ;;     # the slider
  Command1) at="236 172" ;;     # 変更
  Option6) at="330 176" ;;      # 通常
  Option7) at="330 208" ;;      # 手前に表示
  locate_click) at="436 244" ;; # the Ok of 表示
  *) echo "settings_click: no control $1" >&2; return 1 ;;
  esac
  click_at $((sx + ${at% *})) $((sy + ${at#* }))
  [ $# -eq 1 ] || settings_click "${@:2}"
}

# await_end PID: sets ended to the status the process ended with, or to "running" after 10 s.
await_end() {
  if poll 10 not kill -0 "$1" 2>/dev/null; then wait "$1"; ended=$?; else ended=running; fi
}

opacity_of() { # opacity_of ID: the _NET_WM_WINDOW_OPACITY value, or nothing
  xprop -id "$1" _NET_WM_WINDOW_OPACITY 2>/dev/null | awk -F' = ' '/=/ {print $2}'
}

# screenshot FILE: the screen as the compositor shows it, into a PNG file. Under X11 that is the
# root window; GNOME Shell's screen only the shell itself can give (KWin's on Wayland only through
# a file descriptor: there, what XWayland has).
screenshot() {
  case $SESSION in
  gnome) gdbus call --session -d org.gnome.Shell -o /org/gnome/Shell/Screenshot \
    -m org.gnome.Shell.Screenshot.Screenshot false false "$1" >/dev/null ;;
  *) import -window root "$1" ;;
  esac
}

kwin_scripting() { # kwin_scripting METHOD [ARG...]: KWin's scripting service; its scripts print to kwin.log
  gdbus call --session -d org.kde.KWin -o /Scripting -m "org.kde.kwin.Scripting.$1" "${@:2}" >/dev/null
}

# shell_view TITLE: how KWin itself sees the window with this title, one line:
# "skip-taskbar=B in-switcher=B minimizable=B opacity=N" (opacity 0-255 as it is drawn).
shell_view() {
  local script marker
  marker="view-$RANDOM$RANDOM"
  script="$ARTIFACTS/$marker.js"
  cat >"$script" <<JS
workspace.clientList().filter(w => w.caption == "$1").forEach(w => print("$marker skip-taskbar=" + w.skipTaskbar
  + " in-switcher=" + !(w.skipSwitcher || !(w.normalWindow || w.dialog)) + " minimizable=" + w.minimizable
  + " opacity=" + Math.round(w.opacity * 255)));
JS
  kwin_scripting loadScript "$script" "$marker" && kwin_scripting start || return 1
  poll 2 grep -q "$marker " "$ARTIFACTS/kwin.log"
  kwin_scripting unloadScript "$marker"
  sed -n "s/.*$marker //p" "$ARTIFACTS/kwin.log" | head -n1
}
