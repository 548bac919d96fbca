#!/usr/bin/env bash
# Installs the build into a temporary prefix and starts the programs from
# there: quilm-cli answers and finds the installed data; the desktop program,
# started outside any data folder with an empty home, makes the user's data
# folder from the installed one and keeps running; the desktop entry, icon,
# help pages, fonts and manual page are where a Debian user looks for them.
# usage: install_test.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
gui_pid=""
cleanup() {
  [ -n "$gui_pid" ] && kill "$gui_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" > "$work/install.log" || { cat "$work/install.log"; fail "cmake --install"; }

for f in bin/quilm bin/quilm-cli share/applications/quilm.desktop share/icons/hicolor/scalable/apps/quilm.svg \
         share/quilm/data/filearch share/quilm/data/WList.txt share/quilm/refresh-data.sh \
         share/quilm/help/index.html share/quilm/help/keyboards.html share/quilm/help/DATA-LICENSES \
         share/quilm/fonts/fonts.txt; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
if command -v help2man > /dev/null; then
  [ -s "$prefix/share/man/man1/quilm-cli.1" ] || fail "no manual page"
  grep -q "Gurmukhi collation key" "$prefix/share/man/man1/quilm-cli.1" || fail "the manual page lacks the subcommands"
fi
grep -q "^Exec=quilm$" "$prefix/share/applications/quilm.desktop" || fail "the desktop entry does not start quilm"
grep -q "ਕ" "$prefix/share/quilm/help/keyboards.html" || fail "the keyboard page holds no Gurmukhi"

# quilm-cli from the prefix, on the installed data.
cd "$work"
"$prefix/bin/quilm-cli" version | grep -q "Quilm" || fail "quilm-cli version"
printf 'ਖ\nਕ\n' | "$prefix/bin/quilm-cli" sort > sorted.txt || fail "quilm-cli sort"
[ "$(head -n1 sorted.txt)" = "ਕ" ] || fail "quilm-cli sort gave $(cat sorted.txt)"

# The desktop program from an empty home, outside any data folder.
export HOME="$work/home" XDG_DATA_HOME="" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
cd "$HOME"
"$prefix/bin/quilm" > "$work/gui.log" 2>&1 &
gui_pid=$!
data="$HOME/.local/share/quilm/data"
for _ in $(seq 1 600); do  # up to a minute for the first copy
  [ -e "$data/.quilm-shipped" ] && break
  kill -0 "$gui_pid" 2>/dev/null || { cat "$work/gui.log"; fail "quilm ended at start"; }
  sleep 0.1
done
[ -e "$data/filearch" ] || fail "the user's data folder was not made"
cmp -s "$data/WList.txt" "$prefix/share/quilm/data/WList.txt" || fail "the word list was not copied"
sleep 2
kill -0 "$gui_pid" 2>/dev/null || { cat "$work/gui.log"; fail "quilm did not keep running"; }
kill "$gui_pid"
wait "$gui_pid" 2>/dev/null || true
gui_pid=""
echo "installed program runs from $prefix"
