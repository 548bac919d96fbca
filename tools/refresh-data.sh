#!/usr/bin/env bash
# Prepares or refreshes a per-user data folder from the ready data folder.
# usage: tools/refresh-data.sh READY_FOLDER DATA_FOLDER
#
# A missing DATA_FOLDER is made as a copy of READY_FOLDER. In an existing one,
# a shipped file is copied again when the ready folder's copy differs and the
# user's copy is still the one that was shipped (its checksum is the one
# recorded in .quilm-shipped when it was copied); a file the user or the
# program has changed is left alone, and so are the settings (filearch) and
# the additional dictionaries (Dict/). Files new in the ready folder are added.
set -euo pipefail
ready=$1
data=$2
record="$data/.quilm-shipped"

checksum() { sha256sum "$1" | cut -d' ' -f1; }
user_owned() { case "$1" in filearch|Dict/*) return 0 ;; *) return 1 ;; esac; }

first_run=""
if [ ! -e "$data/filearch" ]; then
  mkdir -p "$data"
  first_run=yes
fi
declare -A shipped=()
if [ -f "$record" ]; then
  while IFS=$'\t' read -r sum name; do shipped[$name]=$sum; done < "$record"
fi

refreshed=0
new_record=$(mktemp "$data/.quilm-shipped.XXXXXX")
while IFS= read -r -d '' file; do
  name=${file#"$ready"/}
  target="$data/$name"
  ready_sum=$(checksum "$file")
  if [ ! -e "$target" ]; then
    mkdir -p "$(dirname "$target")"
    cp -p "$file" "$target"
  elif [ -z "$first_run" ] && ! user_owned "$name" && [ -n "${shipped[$name]:-}" ] \
       && [ "$(checksum "$target")" = "${shipped[$name]}" ] && [ "${shipped[$name]}" != "$ready_sum" ]; then
    cp -p "$file" "$target.quilm-new" && mv -f "$target.quilm-new" "$target"
    refreshed=$((refreshed + 1))
  elif [ "$(checksum "$target")" != "$ready_sum" ]; then
    # Changed by the user or the program (or unknown): keep it, and keep what was recorded.
    [ -n "${shipped[$name]:-}" ] && printf '%s\t%s\n' "${shipped[$name]}" "$name" >> "$new_record"
    continue
  fi
  printf '%s\t%s\n' "$ready_sum" "$name" >> "$new_record"
done < <(find "$ready" -type f -print0 | sort -z)
mv -f "$new_record" "$record"

if [ -n "$first_run" ]; then
  echo "Prepared the data folder $data" >&2
elif [ "$refreshed" -gt 0 ]; then
  echo "Brought $refreshed shipped file(s) of $data up to date" >&2
fi
