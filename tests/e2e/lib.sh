# Shared steps of the end-to-end checks: a real X server, the program in it, keys from xdotool.
set -euo pipefail

# Gives the script an X server of its own. Xvfb picks a free display itself and reports it only
# once it accepts connections, so scripts running side by side never share or race for one.
run_under_x() {
  unset QT_QPA_PLATFORM
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.05
  done
  [ -s "$display_file" ] || { echo "Xvfb did not start"; exit 1; }
  DISPLAY=":$(head -n 1 "$display_file")"
  export DISPLAY
  rm -f "$display_file"
  trap clean_up EXIT
}

clean_up() {
  stop_program
  [ -n "${WORK:-}" ] && rm -rf "$WORK"
  if [ -n "${XVFB_PID:-}" ]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
  fi
  return 0
}

# A scratch copy of a program folder, removed when the script ends. Sets WORK.
copy_program_folder() {
  WORK=$(mktemp -d)
  cp -r "$(dirname "$1")/." "$WORK/"
}

# Starts a program of the scratch folder and waits until its own window is mapped (keys sent to
# a window not yet mapped are lost; a window left by an earlier start is never taken). Sets
# PROGRAM_PID and WINDOW.
start_program() {
  local program=$1 title=$2
  WINDOW=""
  "$WORK/$program" &
  PROGRAM_PID=$!
  for _ in $(seq 300); do
    WINDOW=$(xdotool search --onlyvisible --pid "$PROGRAM_PID" --name "^$title\$" 2>/dev/null | head -n 1) && [ -n "$WINDOW" ] && break
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

# Waits until `command` prints `expected` (up to 5 s); prints what it printed last.
await_output() {
  local expected=$1 output=""
  shift
  for _ in $(seq 50); do
    output=$("$@" 2>/dev/null) || true
    [ "$output" = "$expected" ] && break
    sleep 0.1
  done
  printf '%s' "$output"
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

# True when the window shows every given picture pixel for pixel; grabs again for up to 5 s,
# since the program draws in its own time. The last grab stays in $WORK/shot.png.
window_shows() {
  local picture missing
  for _ in $(seq 25); do
    grab_window "$WORK/shot.png"
    missing=""
    for picture in "$@"; do
      contains_picture "$WORK/shot.png" "$picture" || missing=$picture
    done
    [ -z "$missing" ] && return 0
    sleep 0.2
  done
  return 1
}

# True when the picture contains `needle` pixel for pixel somewhere.
contains_picture() {
  local haystack=$1 needle=$2 differing
  differing=$(compare -metric AE -subimage-search "$haystack" "$needle" null: 2>&1 >/dev/null | cut -d' ' -f1) || true
  [ "$differing" = "0" ]
}
