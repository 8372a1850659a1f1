#!/usr/bin/env bash
# Installs every Debian package that building, testing, benchmarking and fuzzing need.
# Uses sudo when not root; does nothing when everything is there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev          # Qt 6 Widgets
  libjpeg-dev                                         # menu background picture
  fonts-ipafont-gothic                                # Japanese UI font
  libgtest-dev libgmock-dev libbenchmark-dev          # tests and benchmarks
  clang libclang-rt-14-dev                            # libFuzzer
  xvfb xauth xdotool xclip x11-utils imagemagick      # end-to-end checks under a real X server
  libhangul-dev libfreetype-dev fonts-baekmuk         # benchmark comparisons, glyph generator
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
