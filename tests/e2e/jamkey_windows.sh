#!/usr/bin/env bash
# jamkey's windows as the X server sees them: the pattern dialog carries its own caption and
# closing it leaves the keyboard running and shown; closing the keyboard from its menu writes the
# settings file.
source "$(dirname "$0")/lib.sh"
run_under_x

expect_caption() {
  local shown
  shown=$(window_caption "$1")
  [ "$shown" = "$2" ] || fail "a window manager shows '$shown', not '$2'"
}

copy_program_folder "$1"
rm -f "$WORK/jamkey.dat"
start_program jamkey "Zelpaキーボード"

open_menu alt+o
xdotool key p
dialog=$(await_window "コピー・貼り付けパターン")
[ -n "$dialog" ] || fail "the pattern dialog did not appear"
expect_caption "$WINDOW" "Zelpaキーボード"
expect_caption "$dialog" "コピー・貼り付けパターン"
focus_window "$dialog"
xdotool key Escape
WINDOW=$(await_window "Zelpaキーボード")
kill -0 "$PROGRAM_PID" 2>/dev/null || fail "closing the pattern dialog ended jamkey"
[ -n "$WINDOW" ] || fail "the keyboard did not come back after the pattern dialog"
echo "pattern dialog: captioned exactly, and the keyboard is back after Escape"

focus_window "$WINDOW"
open_menu alt+f
xdotool key c
for _ in $(seq 100); do
  kill -0 "$PROGRAM_PID" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$PROGRAM_PID" 2>/dev/null && fail "閉じる did not end jamkey"
PROGRAM_PID=""
settings=$(od -An -tx1 "$WORK/jamkey.dat" 2>/dev/null | tr -d ' \n')
[ "${#settings}" = 48 ] && [ "${settings:0:8}" = "01000000" ] ||
  fail "jamkey.dat after closing is '$settings', not 24 bytes starting with InitFlag 1"
echo "閉じる: jamkey ended and wrote jamkey.dat with InitFlag 1"
