#!/usr/bin/env bash
# jamkey's clipboard with xclip as the other application: UNICODE and hexadecimal-reference
# copies read back as text, and Korean placed by xclip pastes into the text line.
source "$(dirname "$0")/lib.sh"
run_under_x "$@"

fail() { echo "$1"; exit 1; }
clipboard() { xclip -o -selection clipboard "$@"; }

copy_program_folder "$1"
start_program jamkey "Zelpaキーボード"
xdotool type --delay 100 ehql
xdotool key ctrl+c
sleep 0.5
[ "$(clipboard)" = "도비" ] || fail "UNICODE copy gave '$(clipboard)'"
[ "$(clipboard -t 'text/plain;charset=EUC-KR' | od -An -tx1 | tr -d ' \n')" = "b5b5baf1" ] ||
  fail "EUC-KR bytes of the UNICODE copy are wrong"
echo "UNICODE copy: $(clipboard)"

printf '가나' | xclip -selection clipboard
sleep 0.3
xdotool mousemove --window "$WINDOW" 300 10
xdotool key ctrl+v
sleep 0.5
grab_window "$WORK/shot.png"
syllable_glyph 0xAC00 "$WORK/ga.png"
syllable_glyph 0xB098 "$WORK/na.png"
contains_picture "$WORK/shot.png" "$WORK/ga.png" || fail "pasted 가 is not drawn"
contains_picture "$WORK/shot.png" "$WORK/na.png" || fail "pasted 나 is not drawn"
echo "UNICODE paste: 가나 drawn"
stop_program

# Copy pattern 3 (hexadecimal references) in the settings file.
printf '\x01\x00\x00\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  > "$WORK/jamkey.dat"
start_program jamkey "Zelpaキーボード"
xdotool type --delay 100 ehql
xdotool key ctrl+c
sleep 0.5
[ "$(clipboard)" = "&#xb3c4;&#xbe44;" ] || fail "hex copy gave '$(clipboard)'"
echo "hexadecimal copy: $(clipboard)"
