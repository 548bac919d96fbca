#!/usr/bin/env bash
# Builds Quilm and starts it in the per-user data folder. On first use the
# folder is made as a copy of the ready data folder of the build.
# usage: tools/run.sh [DATA_FOLDER]   (default: ~/.local/share/quilm/data)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
data=${1:-"${XDG_DATA_HOME:-$HOME/.local/share}/quilm/data"}
"$root/tools/build.sh" "$root/build"
if [ ! -e "$data/filearch" ]; then
  mkdir -p "$data"
  cp -R "$root/build/ready-data/." "$data/"
  echo "Prepared the data folder $data" >&2
fi
cd "$data"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  exec xvfb-run -a "$root/build/app/ui/quilm"
fi
exec "$root/build/app/ui/quilm"
