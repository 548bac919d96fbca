#!/usr/bin/env bash
# quilm-render (which finds the display fonts as the program does) copied with
# the fonts into an installed layout and into a moved build tree, and alone.
set -euo pipefail
render=$1 fonts=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
check() {  # LAYOUT PROGRAM EXPECTED_FOLDER
  local got
  got=$(QT_QPA_PLATFORM=offscreen "$2" --fonts-folder)
  [ "$got" = "$3" ] || { echo "FAIL ($1): found \"$got\", expected \"$3\""; exit 1; }
}
copy_fonts() { mkdir -p "$1"; find "$fonts" -maxdepth 1 -type f \( -name '*.ttf' -o -name '*.txt' \) -exec cp {} "$1/" \;; }
mkdir -p "$work/prefix/bin"
cp "$render" "$work/prefix/bin/"
copy_fonts "$work/prefix/share/quilm/fonts"
check installed "$work/prefix/bin/quilm-render" "$work/prefix/share/quilm/fonts"

mkdir -p "$work/moved-build/fonts/ui"
copy_fonts "$work/moved-build/fonts"
cp "$render" "$work/moved-build/fonts/ui/"
check "moved build" "$work/moved-build/fonts/ui/quilm-render" "$work/moved-build/fonts"
echo "display fonts found in both layouts"
