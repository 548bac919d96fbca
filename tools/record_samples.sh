#!/usr/bin/env bash
# Records the pronunciation of every transliteration sample with espeak-ng's
# Punjabi voice: one sound file per sample, named as the samples window plays
# it, spoken from the sample's Gurmukhi. The two ".wma" samples are recorded
# in the same format as the others (WAV), under the names the window uses.
# usage: tools/record_samples.sh QUILM_CLI ESPEAK_NG SOUND_FOLDER
set -euo pipefail
cli=$1 espeak=$2 folder=$3
mkdir -p "$folder"
# Lines are GURMUKHI<TAB>CAPTION<TAB>RULES<TAB>SOUND; a caption may be empty,
# so the fields are cut by hand (read would merge adjacent tabs).
"$cli" samples | while IFS= read -r line; do
  gurmukhi=${line%%$'\t'*}
  sound=${line##*$'\t'}
  [ -n "$sound" ] || continue
  "$espeak" -v pa -w "$folder/$sound.partial" "$gurmukhi"
  mv -f "$folder/$sound.partial" "$folder/$sound"
done
