# Shared steps of the end-to-end checks: a real X server, the program in it, keys from xdotool.
set -euo pipefail

fail() { echo "$1"; exit 1; }

# Gives the script an X server of its own. Xvfb picks a free display itself and reports it only
# once it accepts connections, so scripts running side by side never share or race for one. It
# must not reset when its last client leaves: a program started during a reset cannot connect.
run_under_x() {
  unset QT_QPA_PLATFORM
  local display_file
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
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

# Waits (up to 30 s) until the program shows a window captioned exactly `title` and prints its
# id. Only mapped windows count: keys sent to a window not yet mapped are lost.
await_window() {
  local title=$1 window=""
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --pid "$PROGRAM_PID" --name "^$title\$" 2>/dev/null | head -n 1) &&
      [ -n "$window" ] && break
    sleep 0.1
  done
  printf '%s' "$window"
}

# The caption a window manager shows for a window (its _NET_WM_NAME).
window_caption() {
  xprop -id "$1" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p'
}

# Gives a window the keyboard focus. Without a window manager the window under the pointer has
# it, so the pointer goes there too.
focus_window() {
  xdotool mousemove --window "$1" 10 10
  xdotool windowfocus --sync "$1" 2>/dev/null || true
}

# Opens a menu of the program with `keys` (e.g. alt+o) and waits until it is shown, so the next
# key reaches the menu and not the window beneath it.
open_menu() {
  local window
  xdotool key "$1"
  for _ in $(seq 100); do
    for window in $(xdotool search --onlyvisible --pid "$PROGRAM_PID" --name "" 2>/dev/null); do
      xprop -id "$window" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DROPDOWN_MENU && return 0
    done
    sleep 0.1
  done
  fail "no menu opened with $1"
}

# Starts a program of the scratch folder and waits for its own main window (never one left by an
# earlier start). Sets PROGRAM_PID and WINDOW.
start_program() {
  local program=$1 title=$2
  "$WORK/$program" &
  PROGRAM_PID=$!
  WINDOW=$(await_window "$title")
  [ -n "$WINDOW" ] || { echo "no window captioned $title appeared"; exit 1; }
  sleep 0.5
  focus_window "$WINDOW"
}

stop_program() {
  if [ -n "${PROGRAM_PID:-}" ]; then
    kill "$PROGRAM_PID" 2>/dev/null || true
    wait "$PROGRAM_PID" 2>/dev/null || true
  fi
  PROGRAM_PID=""
}

# Waits until `command` prints `expected` (up to 15 s); prints what it printed last.
await_output() {
  local expected=$1 output=""
  shift
  for _ in $(seq 150); do
    output=$("$@" 2>/dev/null) || true
    [ "$output" = "$expected" ] && break
    sleep 0.1
  done
  printf '%s' "$output"
}

# Grabs the top of the window, where the text line lies under the menu bar, into a
# black-and-white picture: glyph strokes black, everything light white. (Searching the whole
# window for a glyph takes seconds.)
grab_window() {
  import -window "$WINDOW" "$1.raw.png"
  convert "$1.raw.png" -crop x64+0+0 +repage -colorspace gray -threshold 50% "$1"
}

# The 18 × 18 glyph of a syllable, cut from its sheet into a picture file.
syllable_glyph() {
  local code=$(( $1 - 0xAC00 )) out=$2 source_dir
  source_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  local sheet=$(( code / 588 )) row=$(( code % 588 / 28 )) column=$(( code % 28 ))
  convert "$source_dir/data/glyphs/sheet$(printf %02d $sheet).png" \
    -crop "18x18+$(( 28 * column ))+$(( 24 * row ))" +repage -colorspace gray "$out"
}

# True when the window shows every given picture pixel for pixel; grabs again for up to 15 s,
# since the program draws in its own time. The last grab stays in $WORK/shot.png.
window_shows() {
  local picture missing
  for _ in $(seq 50); do
    grab_window "$WORK/shot.png"
    missing=""
    for picture in "$@"; do
      contains_picture "$WORK/shot.png" "$picture" || missing=$picture
    done
    [ -z "$missing" ] && return 0
    sleep 0.3
  done
  return 1
}

# True when the picture contains `needle` pixel for pixel somewhere.
contains_picture() {
  local haystack=$1 needle=$2 differing
  differing=$(compare -metric AE -subimage-search "$haystack" "$needle" null: 2>&1 >/dev/null | cut -d' ' -f1) || true
  [ "$differing" = "0" ]
}
