#!/usr/bin/env bash
# jamkey under a real X server: typing r k s on the keyboard shows 간 in the text line.
source "$(dirname "$0")/lib.sh"
run_under_x

copy_program_folder "$1"
start_program jamkey "Zelpaキーボード"
xdotool type --delay 100 rks
syllable_glyph 0xAC04 "$WORK/gan.png"
window_shows "$WORK/gan.png" || fail "간 was not found in the window"
echo "간 is drawn in the text line"
