# Shared steps of the end-to-end checks: a real X server, the program in it, keys from xdotool.
set -euo pipefail

# Runs the rest of the calling script inside a fresh Xvfb (re-executes it under xvfb-run).
run_under_x() {
  if [ -z "${ZELPA_UNDER_X:-}" ]; then
    ZELPA_UNDER_X=1 exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
  fi
}

# Starts a program in a scratch copy of its program folder and waits for its window.
# Sets PROGRAM_PID, WINDOW and WORK.
start_program() {
  local program=$1 title=$2
  WORK=$(mktemp -d)
  cp -r "$(dirname "$program")/." "$WORK/"
  "$WORK/$(basename "$program")" &
  PROGRAM_PID=$!
  trap 'kill $PROGRAM_PID 2>/dev/null || true; rm -rf "$WORK"' EXIT
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

# Grabs the window into a black-and-white picture: glyph strokes black, everything light white.
grab_window() {
  import -window "$WINDOW" -colorspace gray -threshold 50% "$1"
}

# True when the picture contains `needle` pixel for pixel somewhere.
contains_picture() {
  local haystack=$1 needle=$2 differing
  differing=$(compare -metric AE -subimage-search "$haystack" "$needle" null: 2>&1 >/dev/null | cut -d' ' -f1) || true
  [ "$differing" = "0" ]
}
