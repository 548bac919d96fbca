#!/usr/bin/env bash
# Builds Quilm and starts it in the per-user data folder. On first use the
# folder is made as a copy of the ready data folder of the build; on later
# runs the files that ship with the program (word lists, table files, sounds …)
# are brought up to date from a newer build, unless the user or the program
# has changed them since they were copied. The settings file and the user's
# dictionaries are never replaced.
# usage: tools/run.sh [DATA_FOLDER]   (default: ~/.local/share/quilm/data)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
data=${1:-"${XDG_DATA_HOME:-$HOME/.local/share}/quilm/data"}
"$root/tools/build.sh" "$root/build"
"$root/tools/refresh-data.sh" "$root/build/ready-data" "$data"
cd "$data"
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  exec xvfb-run -a "$root/build/app/ui/quilm"
fi
exec "$root/build/app/ui/quilm"
