#!/usr/bin/env bash
# What a blind user hears: Debian's screen reader Orca in the session, its speech caught where a
# synthesizer would say it (speech-dispatcher's generic module writing each utterance to a file).
# The clock says its name and the time when it becomes active and when asked (Orca's where am I),
# and nothing while nobody asks; Space says the date; the menu opened from the keyboard says its
# first entry; the About window says what it says; and whichever way a dialog closes, the clock is
# active again and says so.
source "$(dirname "$0")/lib.sh"
export HOME=$ARTIFACTS/home LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
speech=$ARTIFACTS/speech.txt
rm -rf "$HOME" && mkdir -p "$HOME" "$XDG_CONFIG_HOME/speech-dispatcher/modules" "$ARTIFACTS/orca"
: >"$speech"
# speech-dispatcher opens the sound card whatever its module does: ALSA's null device stands in.
printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' >"$HOME/.asoundrc"
cat >"$XDG_CONFIG_HOME/speech-dispatcher/speechd.conf" <<CONF
AddModule "capture" "sd_generic" "capture.conf"
DefaultModule capture
LanguageDefaultModule "ja" "capture"
AudioOutputMethod "alsa"
LogDir "$ARTIFACTS"
CONF
# Each utterance as one line: the time it was said, its language and its text.
cat >"$XDG_CONFIG_HOME/speech-dispatcher/modules/capture.conf" <<CONF
GenericExecuteSynth "printf '%s|%s|%s\\\\n' \\"\\\$(date +%T)\\" '\$LANGUAGE' '\$DATA' >> $speech"
GenericStripPunctChars "'\\"\\\\\`\$"
GenericLanguage "ja" "ja" "utf-8"
GenericLanguage "en" "en" "utf-8"
AddVoice "ja" "MALE1" "ja"
AddVoice "en" "MALE1" "en"
CONF

heard_from=0 # the line of speech.txt after which the next expectation looks
said() { sed -n "$((heard_from + 1)),\$p" "$speech" | cut -d'|' -f1,3; }
mark() { heard_from=$(wc -l <"$speech"); }
# hears REGEX [SECONDS]: true once an utterance since the mark matches (time|text); sets utterance.
heard_now() { utterance=$(said | grep -E -m1 "$1"); }
hears() { poll "${2:-5}" heard_now "$1"; }
# on_time UTTERANCE FORMAT: the time in the text (date FORMAT, e.g. %H:%M:%S) is the wall clock's
# when it was said, or the second before.
on_time() {
  local at=${1%%|*} text=${1#*|}
  [[ "$text" == "$(date -d "$at" "+$2")"* || "$text" == "$(date -d "$at 1 second ago" "+$2")"* ]]
}
key() { xdotool key --clearmodifiers "$@"; }
# where_am_i REGEX: Orca's where am I (keypad Enter) until it says REGEX, twice at most. Qt waits
# only a moment for a screen reader to take a key; on a loaded machine Orca may answer too late,
# and the key goes to the clock instead (which shows the date).
where_am_i() { for _ in 1 2; do mark; key KP_Enter; hears "$1" && return 0; done; return 1; }
settings_by_keyboard() { # settings_by_keyboard [WHEN]: the menu's 設定, by Shift+F10 and Enter
  key shift+F10
  find_window "ファイル" 5 >/dev/null && key Return
  find_window "ぽむりの時計の設定" 5 >/dev/null || { fail "the menu's 設定 did not open the settings${1:+ $1}"; finish; }
  sleep 0.5
}

dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.freedesktop.DBus.Properties.Set \
  string:org.a11y.Status string:IsEnabled variant:boolean:true >/dev/null || fail "the accessibility bus did not start"
orca --replace -u "$ARTIFACTS/orca" --debug-file="$ARTIFACTS/orca-debug.txt" >"$ARTIFACTS/orca.log" 2>&1 &
children+=("$!")
hears "Screen reader on" 20 || { fail "Orca did not start speaking"; finish; }

mark
start_pomuri # on the wall clock: what is heard is compared with it
clock_window
check "as the clock appears Orca says its name" hears '\|ぽむりの時計 フレーム'
hears '\|[0-9]{2}:[0-9]{2}:[0-9]{2} ラベル'
check "and the time on the wall clock ($utterance)" on_time "$utterance" %H:%M:%S
sleep 1
mark
sleep 3.2
check "and then nothing while nobody asks ($(said | tr '\n' ' '))" [ -z "$(said)" ]

where_am_i '\|[0-9]{2}:[0-9]{2}:[0-9]{2} ラベル'
check "where am I says the time on the wall clock ($utterance)" on_time "$utterance" %H:%M:%S
mark
key space
hears '\|通知 [0-9/]+'
check "Space shows and says the date ($utterance)" [ "${utterance#*|}" = "通知 $(date +%Y/%m/%d)." ]

mark
key Menu
check "the Menu key opens the menu and says its first entry at once" eval 'hears "\|設定" && [ "$(said | grep -vE "\|(menu|Menu) *$" | head -n1 | cut -d"|" -f2)" = "設定." ]'
mark
key Escape
window_gone "ファイル"
hears '\|ぽむりの時計 フレーム' # back on the clock, before the next key

# The settings by keyboard alone: 12-hour notation, then 設定の終了 and its Ok.
settings_by_keyboard
key Tab Tab Down shift+Tab shift+Tab shift+Tab # 12時間表記, then back past the first control to its O k
key Return
key Tab Tab Tab Tab Tab # to 終了オプション's Ok
mark
key Return
window_gone "ぽむりの時計の設定" || fail "Ok with 設定の終了 did not close the settings"
check "closing the settings makes the clock active, and Orca says so" hears '\|ぽむりの時計 フレーム'
where_am_i '\|[0-9]{2}:[0-9]{2}:[0-9]{2} 午[前後] ラベル'
check "where am I now says the 12-hour time ($utterance)" on_time "$utterance" "%I:%M:%S"

# The About window, and O k.
settings_by_keyboard "again"
mark
key Tab Tab Tab Return # from 終了オプション's Ok to 開く
find_window "このソフトについて" 5 >/dev/null || { fail "開く did not open the About window"; finish; }
check "the About window says its title" hears '\|このソフトについて ダイアログ'
# (speech-dispatcher says full-width spaces and colons as their narrow forms)
check "its name and version, at the picture the focus starts on" hears '\|ぽむりの時計.改良版.バージョン.0\.0\.8 画像'
check "its disclaimer and contact" hears 'このソフトを使用して生じたいかなる障害も.*連絡先.pomuri@example\.com'
mark
key Tab Return # O k
window_gone "このソフトについて" || fail "O k did not close the About window"
check "closing it makes the clock active, and Orca says so" hears '\|ぽむりの時計 フレーム'

# Qt's own complaint that the screen reader took too long over a key is not the clock's.
check "nothing was logged" eval '! grep -v "QSpiApplication::keyEventError" "$POMURI_LOG" | grep -q .'
finish
