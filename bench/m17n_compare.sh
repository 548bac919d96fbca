#!/bin/bash
# The Roman-typing evaluation of tests/roman/eval with the Debian m17n input
# methods for Punjabi beside quilm-cli roman: installs libm17n-dev and
# m17n-db when they are missing (a comparison tool, not a need of the
# build), builds bench/m17n/m17n_roman into a temporary folder and runs
# tests/roman/eval/evaluate.py with it.
#
#   bench/m17n_compare.sh [BUILD_FOLDER]
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
if ! pkg-config --exists m17n-shell 2>/dev/null || [ ! -e /usr/share/m17n/pa-phonetic.mim ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get install -y -q libm17n-dev m17n-db >/dev/null
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
gcc -O2 -o "$work/m17n_roman" "$here/m17n/m17n_roman.c" $(pkg-config --cflags --libs m17n-shell)
python3 "$here/../tests/roman/eval/evaluate.py" "$build/cli/quilm-cli" "$build/ready-data" "$work/m17n_roman"
