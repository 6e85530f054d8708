#!/usr/bin/env bash
# Redraws the pictures in this folder from draw_art.cpp. Commit the files it writes.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
src="$here/../src"
tool=$(mktemp -d)
trap 'rm -rf "$tool"' EXIT
g++ -std=c++20 -O1 -Wall -Wextra -I"$src" -o "$tool/draw_art" \
  "$here/draw_art.cpp" "$src/shell/bmp.cpp" "$src/shell/bitmap_region.cpp"
"$tool/draw_art" "$here"
