#!/usr/bin/env bash
# jamkey's clipboard with xclip as the other application: in each copy pattern 도비 typed in
# jamkey reads back from the clipboard as text (and as EUC-KR bytes where jamkey offers them),
# and in each paste pattern 가나 placed by xclip is drawn in jamkey's text line.
source "$(dirname "$0")/lib.sh"
run_under_x

readonly EUC_KR='text/plain;charset=EUC-KR'

clipboard() { xclip -o -selection clipboard "$@"; }
euc_kr_hex() { clipboard -t "$EUC_KR" | od -An -tx1 | tr -d ' \n'; }

# jamkey.dat with InitFlag 1 and the given copy and paste patterns.
use_patterns() {
  local word bytes=""
  for word in 1 "$1" 0 "$2" 0 0; do
    bytes+=$(printf '\\x%02x\\x00\\x00\\x00' "$word")
  done
  printf "$bytes" >"$WORK/jamkey.dat"
}

# copy_case PATTERN TEXT [EUC-KR-HEX]: typing 도비 and Ctrl+C leaves TEXT as the clipboard's text
# and, when given, these EUC-KR bytes.
copy_case() {
  local copied
  use_patterns "$1" 0
  start_program jamkey "Zelpaキーボード"
  xdotool type --delay 100 ehql
  xdotool key ctrl+c
  copied=$(await_output "$2" clipboard)
  [ "$copied" = "$2" ] || fail "copy pattern $1 gave '$copied', not '$2'"
  if [ -n "${3:-}" ]; then
    [ "$(euc_kr_hex)" = "$3" ] || fail "copy pattern $1 gave EUC-KR bytes $(euc_kr_hex), not $3"
  fi
  echo "copy pattern $1: $copied${3:+ (EUC-KR $3)}"
  stop_program
}

# paste_case PATTERN TYPE BYTES: with BYTES (printf escapes) on the clipboard as TYPE, Ctrl+V
# draws 가나.
paste_case() {
  use_patterns 0 "$1"
  start_program jamkey "Zelpaキーボード"
  printf "$3" | xclip -selection clipboard -t "$2"
  focus_window "$WINDOW"
  xdotool key ctrl+v
  window_shows "$WORK/ga.png" "$WORK/na.png" || fail "paste pattern $1 of $2 did not draw 가나"
  echo "paste pattern $1 from $2: 가나 drawn"
  stop_program
}

copy_program_folder "$1"
syllable_glyph 0xAC00 "$WORK/ga.png"
syllable_glyph 0xB098 "$WORK/na.png"

copy_case 0 "도비" b5b5baf1
copy_case 1 "도비" b5b5baf1
copy_case 2 "&#46020;&#48708;"
copy_case 3 "&#xb3c4;&#xbe44;"

paste_case 0 UTF8_STRING '가나'
paste_case 1 "$EUC_KR" '\xb0\xa1\xb3\xaa'
paste_case 1 UTF8_STRING '가나'
paste_case 2 UTF8_STRING '&#44032;&#45208;'
paste_case 3 UTF8_STRING '&#xac00;&#xb098;'
