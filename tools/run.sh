#!/usr/bin/env bash
# Builds the programs and starts one of them: tools/run.sh [jamkey|sorvel]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-jamkey}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: $program needs a graphical desktop." >&2
  echo "On a machine without one, run it in a virtual X server:  xvfb-run -a build/bin/$program" >&2
  exit 1
fi
exec "build/bin/$program"
