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
  local log
  for log in "$ARTIFACTS"/*.log; do
    [ -s "$log" ] && { echo "--- ${log##*/} (last lines)"; tail -n 20 "$log"; } >&2
  done
  echo "$failures check(s) failed; screenshots and logs are in $ARTIFACTS" >&2
  exit 1
}

# start_pomuri [FIXED_TIME]: starts a copy in the Japanese locale, the wall clock frozen at
# FIXED_TIME ("2026-12-06 03:00:45") if given; sets POMURI_PID.
start_pomuri() {
  local fake=()
  [ -n "${1:-}" ] && fake=(LD_PRELOAD="$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 | head -n1)" FAKETIME="$1"
    FAKETIME_DONT_FAKE_MONOTONIC=1)
  env LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 XDG_RUNTIME_DIR="$RUNTIME_DIR" "${fake[@]}" "$POMURI" \
    >"$ARTIFACTS/pomuri-$((${#children[@]} + 1)).log" 2>&1 &
  POMURI_PID=$!
  children+=("$POMURI_PID")
}

# find_window TITLE [SECONDS]: prints the id of the visible window with exactly this title.
find_window() {
  local id
  for _ in $(seq $((${2:-20} * 10))); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# clock_window: sets clock to the id of the clock's window once it shows (20 s at most); otherwise
# fails, saying how far the program and the window manager got, and ends the test.
clock_window() {
  clock=$(find_window "ぽむりの時計") && return 0
  local id state
  if ! kill -0 "$POMURI_PID" 2>/dev/null; then
    wait "$POMURI_PID"
    fail "the clock window did not appear: the program ended with status $?"
  elif ! id=$(xdotool search --name "^ぽむりの時計\$" 2>/dev/null | head -n1) || [ -z "$id" ]; then
    fail "the clock window did not appear: the program made no such window"
  else
    state=$(xwininfo -id "$id" | awk '/Map State/ {print $NF}')
    xprop -id "$id" WM_STATE | grep -q 'window state' || state="$state, not managed by the window manager"
    fail "the clock window did not appear: window $id is $state"
  fi
  finish
}

# check_placed_as_laid_out: the clock at the bottom right of a 1024x768 screen, at 834,545, 178x167
# with no frame around it, at 35 % (alpha 89); sets x and y to its place.
check_placed_as_laid_out() {
  local frame
  read -r x y <<<"$(window_origin "$clock")"
  check "placed at 834,545 on a 1024x768 screen (got $x,$y)" [ "$x $y" = "834 545" ]
  frame=$(xwininfo -id "$clock" -frame | awk '/Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h}')
  check "178x167 with no frame around it (got $frame)" [ "$frame" = 178x167 ]
  check "35 % opacity is alpha 89 (0x59595959)" [ "$(opacity_of "$clock")" = 1499027801 ]
}

window_gone() { # window_gone TITLE: true once no visible window has this title (5 s at most)
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

window_origin() { # window_origin ID: prints "X Y", the window's top-left corner on the screen
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}

opacity_of() { # opacity_of ID: the _NET_WM_WINDOW_OPACITY value, or nothing
  xprop -id "$1" _NET_WM_WINDOW_OPACITY 2>/dev/null | awk -F' = ' '/=/ {print $2}'
}

# screenshot FILE: the screen as the compositor shows it, into a PNG file. Under X11 that is the
# root window; a Wayland compositor's screen only the compositor itself can give.
screenshot() {
  case $SESSION in
  kwin_wayland) "$(dirname "${BASH_SOURCE[0]}")/kwin-screenshot.py" "$1" ;;
  gnome) gdbus call --session -d org.gnome.Shell -o /org/gnome/Shell/Screenshot \
    -m org.gnome.Shell.Screenshot.Screenshot false false "$1" >/dev/null ;;
  *) import -window root "$1" ;;
  esac
}

kwin_scripting() { # kwin_scripting METHOD [ARG...]: KWin's scripting service; its scripts print to kwin.log
  gdbus call --session -d org.kde.KWin -o /Scripting -m "org.kde.kwin.Scripting.$1" "${@:2}" >/dev/null
}

# shell_view TITLE: how KWin or GNOME Shell itself sees the window with this title, one line:
# "skip-taskbar=B in-switcher=B minimizable=B opacity=N" (opacity 0-255 as it is drawn); on
# other desktops nothing.
shell_view() {
  case $SESSION in
  kwin_x11 | kwin_wayland)
    local script marker
    marker="view-$RANDOM$RANDOM"
    script="$ARTIFACTS/$marker.js"
    cat >"$script" <<JS
workspace.clientList().filter(w => w.caption == "$1").forEach(w => print("$marker skip-taskbar=" + w.skipTaskbar
  + " in-switcher=" + !(w.skipSwitcher || !(w.normalWindow || w.dialog)) + " minimizable=" + w.minimizable
  + " opacity=" + Math.round(w.opacity * 255)));
JS
    kwin_scripting loadScript "$script" "$marker" && kwin_scripting start || return 1
    for _ in $(seq 20); do
      grep -q "$marker " "$ARTIFACTS/kwin.log" && break
      sleep 0.1
    done
    kwin_scripting unloadScript "$marker"
    sed -n "s/.*$marker //p" "$ARTIFACTS/kwin.log" | head -n1
    ;;
  gnome)
    gdbus call --session -d org.gnome.Shell -o /org/gnome/Shell -m org.gnome.Shell.Eval "
      const Meta = imports.gi.Meta;
      const actor = global.get_window_actors().find(a => a.meta_window.title == '$1');
      const w = actor.meta_window;
      const surface = actor.get_children().find(c => c.constructor.name.includes('SurfaceActor'));
      const inSwitcher = global.display.get_tab_list(Meta.TabList.NORMAL, null).includes(w);
      ['skip-taskbar=' + w.skip_taskbar, 'in-switcher=' + inSwitcher, 'minimizable=' + w.can_minimize(),
       'opacity=' + surface.opacity].join(' ')" | sed -n "s/^(true, '\"\(.*\)\"')\$/\1/p"
    ;;
  esac
}
