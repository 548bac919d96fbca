#!/usr/bin/env bash
# tools/refresh-data.sh: a per-user data folder takes the newer shipped files
# it still holds unchanged, and keeps the settings, the dictionaries and every
# file that was changed after it was copied.
set -euo pipefail
refresh=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ready=$work/ready user=$work/user
mkdir -p "$ready/Dict"
put() { printf '%s\n' "$2" > "$ready/$1"; }
expect() {
  local got; got=$(cat "$user/$1")
  [ "$got" = "$2" ] || { echo "FAIL: $1 holds \"$got\", expected \"$2\" ($3)"; exit 1; }
}

put WList.txt words-1; put filearch settings-1; put Dict/Extra.dic dic-1; put Table.db table-1
"$refresh" "$ready" "$user" 2>/dev/null
expect WList.txt words-1 "first run copies"

put WList.txt words-2; put filearch settings-2; put Dict/Extra.dic dic-2; put Table.db table-2; put New.db new-1
printf 'edited\n' > "$user/Table.db"
"$refresh" "$ready" "$user" 2>/dev/null
expect WList.txt words-2 "an unchanged shipped file is refreshed"
expect filearch settings-1 "the settings are the user's"
expect Dict/Extra.dic dic-1 "the dictionaries are the user's"
expect Table.db edited "a file changed after copying is kept"
expect New.db new-1 "a newly shipped file is added"

put Table.db table-3; put WList.txt words-3
"$refresh" "$ready" "$user" 2>/dev/null
expect Table.db edited "a changed file stays kept on later runs"
expect WList.txt words-3 "refreshed again on a later run"
echo "refresh-data: all cases pass"
