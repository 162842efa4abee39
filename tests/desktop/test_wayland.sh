#!/usr/bin/env bash
# In a Weston session. By default the clock runs on X11 through XWayland, with its opacity set
# there; on native Wayland it paints its own translucency and ticks.
source "$(dirname "$0")/lib.sh"

start_pomuri
clock=$(find_window "ぽむりの時計") || fail "the clock did not appear as an X11 window of XWayland"
check "its opacity property is set there" [ "$(opacity_of "${clock:-0}")" = 1499027801 ]
kill "$POMURI_PID"

export QT_QPA_PLATFORM=wayland
start_pomuri
sleep 2
for shot in 1 2; do
  (cd "$ARTIFACTS" && rm -f wayland-screenshot-*.png && weston-screenshooter)
  mv "$ARTIFACTS"/wayland-screenshot-*.png "$ARTIFACTS/native-$shot.png"
  sleep 1.2
done
pixels_of() { # pixels_of FILE "rgb(...)": how many pixels have about this colour
  "$CONVERT" "$1" -fuzz 2% -fill white -opaque "$2" -fill black +opaque white -format '%[fx:int(mean*w*h+0.5)]' info:
}
face=$(pixels_of "$ARTIFACTS/native-1.png" "rgb(84,84,172)") # blue at alpha 89 over grey 128
check "the face is blue at 35 % over the desktop ($face pixels)" [ "$face" -gt 10000 ]
check "and nowhere opaque" [ "$(pixels_of "$ARTIFACTS/native-1.png" "rgb(0,0,255)")" -eq 0 ]
check "it ticks" eval '[ "$(compare -metric AE "$ARTIFACTS/native-1.png" "$ARTIFACTS/native-2.png" null: 2>&1)" != 0 ]'
# Everything is painted in shared memory: a GL driver would only cost memory (some 50 MB).
check "no GL driver is loaded" eval '! grep -qE "libEGL_mesa|_dri\.so" /proc/$POMURI_PID/maps'
finish
