# Shared steps of the end-to-end checks: a real X server, the program in it, keys from xdotool.
set -euo pipefail

# Runs the rest of the calling script inside a fresh Xvfb (re-executes it under xvfb-run).
run_under_x() {
  unset QT_QPA_PLATFORM
  if [ -z "${ZELPA_UNDER_X:-}" ]; then
    ZELPA_UNDER_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
  fi
}

# A scratch copy of a program folder, removed when the script ends. Sets WORK.
copy_program_folder() {
  WORK=$(mktemp -d)
  cp -r "$(dirname "$1")/." "$WORK/"
  trap 'stop_program; rm -rf "$WORK"' EXIT
}

# Starts a program of the scratch folder and waits for its window. Sets PROGRAM_PID and WINDOW.
start_program() {
  local program=$1 title=$2
  WINDOW=""
  "$WORK/$program" &
  PROGRAM_PID=$!
  for _ in $(seq 100); do
    WINDOW=$(xdotool search --name "^$title\$" 2>/dev/null | head -n 1) && [ -n "$WINDOW" ] && break
    sleep 0.1
  done
  [ -n "${WINDOW:-}" ] || { echo "no window named $title appeared"; exit 1; }
  sleep 0.5
  # Without a window manager the window under the pointer has the keyboard focus.
  xdotool mousemove --window "$WINDOW" 300 10
  xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
}

stop_program() {
  if [ -n "${PROGRAM_PID:-}" ]; then
    kill "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
  fi
  PROGRAM_PID=""
}

# Grabs the window into a black-and-white picture: glyph strokes black, everything light white.
grab_window() {
  import -window "$WINDOW" "$1.raw.png"
  convert "$1.raw.png" -colorspace gray -threshold 50% "$1"
}

# The 18 × 18 glyph of a syllable, cut from its sheet into a picture file.
syllable_glyph() {
  local code=$(( $1 - 0xAC00 )) out=$2 source_dir
  source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  local sheet=$(( code / 588 )) row=$(( code % 588 / 28 )) column=$(( code % 28 ))
  convert "$source_dir/data/glyphs/sheet$(printf %02d $sheet).png" \
    -crop "18x18+$(( 28 * column ))+$(( 24 * row ))" +repage -colorspace gray "$out"
}

# True when the picture contains `needle` pixel for pixel somewhere.
contains_picture() {
  local haystack=$1 needle=$2 differing
  differing=$(compare -metric AE -subimage-search "$haystack" "$needle" null: 2>&1 >/dev/null | cut -d' ' -f1) || true
  [ "$differing" = "0" ]
}
