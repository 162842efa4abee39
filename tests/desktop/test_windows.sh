#!/usr/bin/env bash
# Usage: test_windows.sh BUILD_DIR, inside a desktop session. The Windows program as a Windows user
# gets it: its installer run silently into a fresh Wine prefix, the clock started from the
# Start-menu shortcut, then seen from the X server and through Windows' own view of its windows
# (window_probe): placed, translucent, out of the taskbar and Alt+Tab, back on the screen when the
# resolution is lowered, its menu and dialogs, kept
# in front, ended with status 0; the sign-in shortcut offered, kept as the user left it across
# upgrades; an upgrade over the running clock leaving it running, new; the uninstaller ending the
# clock first and leaving nothing behind. (Wine does not run the Startup folder when it starts:
# what the shortcut starts is checked instead.)
source "$(dirname "$0")/lib.sh"
build=$1
prefix_folder=$(mktemp -d)
trap 'cleanup_children; wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; rm -rf "$prefix_folder"' EXIT
eval "$("$(dirname "$0")/../../scripts/wine-run" --new-prefix "$prefix_folder/prefix")"
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 WINEQT_FORCE_STDERR_LOGGING=1

probe() { wine "$build/window_probe.exe" "$@" 2>/dev/null | tr -d '\r'; } # Windows' own view of the window
is_in_front() { probe "ぽむりの時計" | grep -q topmost=1; }
# Wine gives the X window no opacity property once the window is opaque.
is_opaque() { probe "ぽむりの時計" | grep -q alpha=255 && [[ "$(opacity_of "$clock")" =~ ^(4294967295)?$ ]]; }
# Wine names the Windows user after $USER, which a user namespace leaves as the person's own name.
windows_user=$(wine cmd /c 'echo %USERNAME%' | tr -d '\r')
user_folder=$WINEPREFIX/drive_c/users/$windows_user
installed=$user_folder/AppData/Local/Programs/pomuri
shortcut=$user_folder/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/ぽむりの時計.lnk
startup=$user_folder/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/StartUp/ぽむりの時計.lnk # Wine's spelling
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\pomuri'
registered() { # the uninstall key's values, one "name"=value a line, in UTF-8
  wine reg export "$uninstall_key" "$(winepath -w "$prefix_folder/key.reg")" >/dev/null 2>&1 &&
    iconv -f UTF-16LE -t UTF-8 "$prefix_folder/key.reg" | tr -d '\r\357\273\277'
}
lnk_field() { lnkinfo "$2" | sed -n "s/^\t$1\t*: //p"; } # lnk_field FIELD FILE.lnk: e.g. Local path
# start_clock [FIXED_TIME]: the program the Start-menu shortcut starts (see launch_clock).
start_clock() { launch_clock "${1:-}" wine "$(lnk_field 'Local path' "$shortcut")"; }

install_silently() { wine "$build/pomuri-1.0.0.0-setup.exe" /S "$@"; }
uninstall_silently() { # the uninstaller runs on from a copy of itself: wait for the folder to go
  wine "$installed/uninstall.exe" /S
  poll 10 not test -e "$installed"
}
check_nothing_left() { # check_nothing_left WHEN
  check "$1 the uninstaller removes every file and the folder" test ! -e "$installed"
  check "and both shortcuts" test ! -e "$shortcut" -a ! -e "$startup"
  check "and the entry in the list of apps" eval '! wine reg query "$uninstall_key" >/dev/null 2>&1'
}

# The sign-in start is the user's to turn off: /NOSTARTUP, or a shortcut deleted, stays so on upgrade.
install_silently /NOSTARTUP
check "/NOSTARTUP leaves the Startup folder alone" test -f "$installed/pomuri.exe" -a ! -e "$startup"
install_silently
check "and an upgrade does not put the shortcut back" test ! -e "$startup"
uninstall_silently
check_nothing_left "with the clock not running,"

install_silently
check "the installer runs silently, without administrator rights, and succeeds" [ $? = 0 ]
check "it installs into %LOCALAPPDATA%\\Programs\\pomuri" test -f "$installed/pomuri.exe" -a -f "$installed/uninstall.exe"
check "with a Start-menu shortcut named ぽむりの時計 that starts the installed program" [ "$(lnk_field 'Local path' "$shortcut")" = "$(winepath -w "$installed/pomuri.exe")" ]
check "and, by default, one in the Startup folder that starts it in its folder" \
  [ "$(lnk_field 'Local path' "$startup")|$(lnk_field 'Working directory' "$startup")" = "$(winepath -w "$installed/pomuri.exe")|$(winepath -w "$installed")" ]
registered >"$ARTIFACTS/uninstall-key.txt"
folder='C:\\users\\'"$windows_user"'\\AppData\\Local\\Programs\\pomuri' # as a .reg file writes it
# What the list needs to show the program and remove it; the key's other values are the installer's text.
for value in '"DisplayName"="ぽむりの時計"' "\"UninstallString\"=\"\\\"$folder\\\\uninstall.exe\\\"\""; do
  check "the user's list of apps has $value" grep -qxF "$value" "$ARTIFACTS/uninstall-key.txt"
done

start_clock "2026-12-06 03:00:45"
clock_window
check_placed_as_laid_out # the opacity as Wine gives a layered window's alpha to the X window
view=$(probe "ぽむりの時計")
check "to Windows a layered tool window at alpha 89, unowned: no taskbar button, no Alt+Tab entry ($view)" \
  [ "$view" = "834 545 178 167 toolwindow=1 appwindow=0 owned=0 topmost=0 layered=1 alpha=89 iconic=0" ]
xdotool mousemove 10 10
sleep 1.5
check_drawn_as reference-startup-windows.png

open_settings || finish
screenshot "$ARTIFACTS/settings.png"
check_stacking_and_opacity
# Wine passes on a resolution that Windows is asked for (it then changes the X screen), but not an
# X screen that another client shrinks: a user lowers the resolution in Windows' own settings.
shrink_screen() { xrandr --newmode 700x500 0 700 0 0 0 500 0 0 0 2>/dev/null; xrandr --addmode screen 700x500 && probe --resolution 700 500; }
check_back_on_screen "$settings"
end_through_settings

# An upgrade ends the running clock, so that its file can be replaced, and starts the new one.
start_clock
clock_window
install_silently
check "an install over a running clock succeeds" [ $? = 0 ]
await_end "$POMURI_PID"
check "having ended the clock as its close box would (got $ended)" [ "$ended" = 0 ]
check "and started the new one" eval 'find_window "ぽむりの時計" 10 >/dev/null'
sleep 1
check "one clock, no warning of a second copy" \
  [ "$(xdotool search --onlyvisible --name '^(ぽむりの時計|pomuri)$' | wc -l)" = 1 ]

# Crisp at Windows' display scaling: laid out anew at each, not stretched.
for scale in 125:223x209 150:267x251 200:356x334; do
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d $((${scale%%:*} * 96 / 100)) /f >/dev/null 2>&1
  wineserver -k
  start_clock "2026-12-06 10:10:30"
  clock_window
  size=$(size_of "$clock")
  check "at ${scale%%:*} % the clock is ${scale#*:} (got $size)" [ "$size" = "${scale#*:}" ]
  screenshot "$ARTIFACTS/scaled-${scale%%:*}.png"
  kill "$POMURI_PID"
done
wineserver -k

# An uninstall ends the running clock before its files go.
start_clock
clock_window
uninstall_silently
await_end "$POMURI_PID"
check "an uninstall ends the running clock (got $ended)" [ "$ended" = 0 ]
check "and its window" window_gone "ぽむりの時計"
check_nothing_left "with the clock running,"
finish
