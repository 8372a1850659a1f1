#!/usr/bin/env bash
# jamkey's clipboard with xclip as the other application: UNICODE and hexadecimal-reference
# copies read back as text, and Korean placed by xclip pastes into the text line.
source "$(dirname "$0")/lib.sh"
run_under_x

clipboard() { xclip -o -selection clipboard "$@"; }
euc_kr_hex() { clipboard -t 'text/plain;charset=EUC-KR' | od -An -tx1 | tr -d ' \n'; }

copy_program_folder "$1"
start_program jamkey "Zelpaキーボード"
xdotool type --delay 100 ehql
xdotool key ctrl+c
copied=$(await_output "도비" clipboard)
[ "$copied" = "도비" ] || fail "UNICODE copy gave '$copied'"
[ "$(euc_kr_hex)" = "b5b5baf1" ] || fail "EUC-KR bytes of the UNICODE copy are wrong"
echo "UNICODE copy: $copied"

printf '가나' | xclip -selection clipboard
await_output "가나" clipboard >/dev/null
focus_window "$WINDOW"
xdotool key ctrl+v
syllable_glyph 0xAC00 "$WORK/ga.png"
syllable_glyph 0xB098 "$WORK/na.png"
window_shows "$WORK/ga.png" "$WORK/na.png" || fail "pasted 가나 is not drawn"
echo "UNICODE paste: 가나 drawn"
stop_program

# Copy pattern 3 (hexadecimal references) in the settings file.
printf '\x01\x00\x00\x00\x03\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  > "$WORK/jamkey.dat"
start_program jamkey "Zelpaキーボード"
xdotool type --delay 100 ehql
xdotool key ctrl+c
copied=$(await_output "&#xb3c4;&#xbe44;" clipboard)
[ "$copied" = "&#xb3c4;&#xbe44;" ] || fail "hex copy gave '$copied'"
echo "hexadecimal copy: $copied"
