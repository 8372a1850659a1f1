#!/usr/bin/env bash
# jamkey under a real X server: typing r k s on the keyboard shows 간 in the text line.
source "$(dirname "$0")/lib.sh"
run_under_x "$@"
jamkey=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

start_program "$jamkey" "Zelpaキーボード"
xdotool type --delay 100 rks
sleep 0.5
grab_window "$WORK/shot.png"

# 간 is U+AC04: sheet 0, row 0, column 4.
convert "$source_dir/data/glyphs/sheet00.png" -crop 18x18+112+0 +repage -colorspace gray "$WORK/gan.png"
if contains_picture "$WORK/shot.png" "$WORK/gan.png"; then
  echo "간 is drawn in the text line"
else
  echo "간 was not found in the window"; cp "$WORK/shot.png" /tmp/jamkey_typing_failed.png; exit 1
fi
