#!/bin/bash
# Draws the pictures of the help pages (help/images/*.png): each window as a
# command opens it over a small document, offscreen, by quilm-screenshot.
# Re-run after a window changes, from the top of the repository:
#
#   tools/help/screenshots.sh [BUILD_FOLDER]
set -euo pipefail
build=${1:-build}
shot=$build/app/ui/quilm-screenshot
[ -x "$shot" ] || { echo "screenshots.sh: build quilm-screenshot first" >&2; exit 1; }
out=help/images
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen

# picture  command  document text  [font]
take() {
  "$shot" "$out/$1.png" "$build/ready-data" "$2" "$3" ${4:+"$4"} 2>/dev/null || echo "screenshots.sh: $1 failed" >&2
}
"$shot" "$out/main-window.png" "$build/ready-data" 2>/dev/null || echo "screenshots.sh: main-window failed" >&2
take roman-to-gurmukhi TransliterateRomantoGurmukhi1 "sat sri akal ji, tusi kiven ho? main school ja reha haan." Arial
take gurmukhi-to-roman TransliteratetoRoman1 "ਸਤਿ ਸ੍ਰੀ ਅਕਾਲ ਜੀ, ਤੁਸੀਂ ਕਿਵੇਂ ਹੋ?" "Arial Unicode MS"
take devanagari TransliteratetoDevanagri1 "ਸਤਿ ਸ੍ਰੀ ਅਕਾਲ"
take punjabi-english PunjabiEnglishDictionary1 "ਪਾਣੀ" "Arial Unicode MS"
take text-analysis FrequencyAnalysis1 "ਸਤਿ ਸ੍ਰੀ ਅਕਾਲ"
take sort-file SortFile1 ""
take find-replace Replace1 ""
take options Options1 ""
