# Helpers for the desktop tests; sourced inside a session made by with-x-session.
# The program under test is $POMURI; its lock lives in a runtime directory of the test's own.
set -u

RUNTIME_DIR=$(mktemp -d)
chmod 700 "$RUNTIME_DIR"
FAKETIME_LIB=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -n1)
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
  import -window root "$ARTIFACTS/failure-$failures.png" 2>/dev/null
  xwininfo -root -tree >"$ARTIFACTS/failure-$failures-windows.txt" 2>&1
}

check() { # check DESCRIPTION COMMAND...
  local description=$1
  shift
  if "$@"; then echo "ok: $description"; else fail "$description"; fi
}

finish() {
  if [ "$failures" -eq 0 ]; then
    echo "all checks passed"
    exit 0
  fi
  echo "$failures check(s) failed; screenshots and logs are in $ARTIFACTS" >&2
  exit 1
}

# start_pomuri [FIXED_TIME]: starts a copy in the Japanese locale, the wall clock frozen at
# FIXED_TIME ("2026-12-06 03:00:45") if given; sets POMURI_PID.
start_pomuri() {
  local fixed=${1:-}
  local log="$ARTIFACTS/pomuri-$((${#children[@]} + 1)).log"
  if [ -n "$fixed" ]; then
    env LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 XDG_RUNTIME_DIR="$RUNTIME_DIR" \
      LD_PRELOAD="$FAKETIME_LIB" FAKETIME="$fixed" FAKETIME_DONT_FAKE_MONOTONIC=1 \
      "$POMURI" >"$log" 2>&1 &
  else
    env LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 XDG_RUNTIME_DIR="$RUNTIME_DIR" "$POMURI" >"$log" 2>&1 &
  fi
  POMURI_PID=$!
  children+=("$POMURI_PID")
}

# find_window TITLE [SECONDS]: prints the id of the visible window with exactly this title.
find_window() {
  local title=$1 seconds=${2:-20} id
  for _ in $(seq $((seconds * 10))); do
    id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
  done
  return 1
}

has_window() { find_window "$@" >/dev/null; }

window_gone() { # window_gone TITLE: true once no visible window has this title (5 s at most)
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# window_origin ID: prints "X Y", the window's top-left corner on the screen.
window_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}

# screenshot NAME: the composited screen, as a person sees it; prints the file's path.
screenshot() {
  local file="$ARTIFACTS/$1.png"
  sleep 0.3 # let the compositor catch up with the last change
  import -window root "$file"
  echo "$file"
}

# pixel FILE X Y: prints "R G B" of one pixel.
pixel() {
  "$CONVERT" "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}

# colour_near FILE X Y R G B [TOLERANCE]
colour_near() {
  local actual tolerance=${7:-12}
  actual=$(pixel "$1" "$2" "$3")
  read -r r g b <<<"$actual"
  local dr=$((r - $4)) dg=$((g - $5)) db=$((b - $6))
  if [ ${dr#-} -le "$tolerance" ] && [ ${dg#-} -le "$tolerance" ] && [ ${db#-} -le "$tolerance" ]; then
    return 0
  fi
  echo "  pixel ($2,$3) of $(basename "$1") is ($actual), expected about ($4 $5 $6)" >&2
  return 1
}

# count_green FILE X Y W H: pixels of the readout's green text (green well above red and blue).
count_green() {
  "$CONVERT" "$1" -crop "${4}x${5}+${2}+${3}" +repage -fx 'g>r+0.25 && g>b+0.25 ? 1 : 0' \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}

# blend C ALPHA: a colour channel C over the grey root (128) at ALPHA/255.
blend() {
  echo $(((${1} * ${2} + 128 * (255 - ${2}) + 127) / 255))
}

# wait_for_exit PID: waits up to 5 s for a child of this shell to end; EXIT_STATUS is its exit
# status, or "timeout". (Not in a subshell: only the parent can collect the status.)
wait_for_exit() {
  EXIT_STATUS=timeout
  for _ in $(seq 50); do
    if ! kill -0 "$1" 2>/dev/null; then
      wait "$1"
      EXIT_STATUS=$?
      return
    fi
    sleep 0.1
  done
}

opacity_of() { # opacity_of ID: the _NET_WM_WINDOW_OPACITY value, or nothing
  xprop -id "$1" _NET_WM_WINDOW_OPACITY 2>/dev/null | awk -F' = ' '/=/ {print $2}'
}
