#!/usr/bin/env bash
# What a screen reader and a keyboard user meet, read through AT-SPI itself (its bus and registry
# in this session, as a screen reader reads them): the time as it changes, the date peek, the
# dialogs' roles and names, the slider's keys, the Menu key; and no log line from any of it.
source "$(dirname "$0")/lib.sh"
atspi() { /usr/bin/python3 "$(dirname "$0")/atspi.py" "$@"; }
tree_has() { grep -qxF "$1" <<<"$(atspi tree | sed 's/^ *//')"; }
slider_value() { atspi tree | sed -n 's/^ *slider|透過率|[^|]*|//p'; }

# Accessibility is on before the clock starts, as it is when a screen reader runs.
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null || fail "the accessibility bus did not start"
start_pomuri # on the wall clock: what is heard is compared with it
clock_window
read -r x y <<<"$(window_origin "$clock")"

atspi names 3.6 >"$ARTIFACTS/names.txt"
heard=$(awk -F'|' 'NF == 3 && ($3 == $1 || $3 == $2)' "$ARTIFACTS/names.txt" | wc -l)
check "a listener hears the readout's name become each new second ($heard of $(grep -c '|' "$ARTIFACTS/names.txt") in time)" [ "$heard" -ge 3 ]
atspi names 1.5 >"$ARTIFACTS/peek.txt" &
for _ in $(seq 50); do grep -q listening "$ARTIFACTS/peek.txt" && break; sleep 0.1; done
# Early in a second: the date shows until the next one, long enough to be read back.
until [ "$((10#$(date +%N) / 100000000))" -ge 1 ] && [ "$((10#$(date +%N) / 100000000))" -le 3 ]; do sleep 0.02; done
xdotool mousemove $((x + 92)) $((y + 116)) click 1
wait $!
check "and the date while the readout shows it" grep -q "|$(date +%Y/%m/%d)\$" "$ARTIFACTS/peek.txt"

for keys in Menu shift+F10; do
  xdotool windowactivate --sync "$clock"
  xdotool key "$keys"
  menu=$(find_window "ファイル" 5) || { fail "$keys on the focused clock did not open its menu"; continue; }
  read -r mx my <<<"$(window_origin "$menu")"
  check "$keys opens the menu at the clock ($mx,$my)" [ "$mx" -ge "$x" -a "$mx" -le $((x + 178)) -a "$my" -ge "$y" -a "$my" -le $((y + 167)) ]
  xdotool key Escape
done
xdotool windowactivate --sync "$clock" key Menu
find_window "ファイル" 5 >/dev/null && xdotool key Down Return
settings=$(find_window "ぽむりの時計の設定" 5) || { fail "the menu's 設定 did not open the settings"; finish; }
check "the settings dialog is a dialog" tree_has "dialog|ぽむりの時計の設定||"
check "the menu form, never shown, is not offered as a window" eval '! atspi tree | grep -q Form2'
for button in "push button|変更|透過率を時計に適用します|" "push button|O k|選んだ表記方法を時計に適用します|" \
  "push button|Ok|選んだ終了オプションを実行します|" "push button|Ok|選んだ表示（通常か手前に表示）を時計に適用します|" \
  "push button|開く|「このソフトについて」を開きます|"; do
  check "a button says what it applies: $button" tree_has "$button"
done
check "the slider is a slider that says what its number means" tree_has "slider|透過率|0 は透明、100 は不透明|35"
check "so is the percentage box" tree_has "text|透過率（パーセント）|0 は透明、100 は不透明|"

xdotool windowactivate --sync "$settings"
xdotool key shift+Tab shift+Tab # from the first control, back past "O k" to the slider
for step in "Right 36" "Up 37" "Prior 38" "Left 37" "Down 36" "Next 35" "End 100" "Home 0"; do
  read -r key expected <<<"$step"
  xdotool key "$key"
  sleep 0.2
  check "$key on the slider gives $expected" [ "$(slider_value)" = "$expected" ]
done

atspi press 開く
find_window "このソフトについて" 5 >/dev/null || fail "開く did not open the About dialog"
check "the About dialog is a dialog" tree_has "dialog|このソフトについて||"
check "its button says what it does" tree_has "push button|O k|「このソフトについて」を閉じます|"
check "nothing was logged" eval '! grep -q . "$ARTIFACTS/pomuri-1.log"'
finish
