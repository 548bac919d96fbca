#!/usr/bin/env bash
# Installs the Debian packages that Quilm needs to build, test and run, when
# any of them is missing. Safe to run again: it does nothing when all are there.
# usage: tools/install-deps.sh [--fuzz]
#   --fuzz   instead, what the fuzz targets need (clang and its sanitizer and
#            libFuzzer runtime); only tools/fuzz.sh asks for these
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  qt6-multimedia-dev espeak-ng
  qt6-charts-dev
  libsqlite3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  fonts-lohit-guru fonts-lohit-deva
  python3 python3-fonttools libharfbuzz-bin
  poppler-utils help2man
)
# Word documents and PDF through LibreOffice in headless mode; installed
# without its recommendations, which would bring a whole desktop suite.
lean_packages=(libreoffice-writer-nogui)
if [ "${1:-}" = "--fuzz" ]; then
  packages=(clang libclang-rt-14-dev)
  lean_packages=()
fi

missing_of() {
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      echo "$p"
    fi
  done
}

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
updated=""
install() {
  echo "Installing: $*" >&2
  $sudo apt-get install -y -q "$@" || {
    [ -n "$updated" ] && return 1
    $sudo apt-get update -q
    updated=yes
    $sudo apt-get install -y -q "$@"
  }
}

mapfile -t missing < <(missing_of "${packages[@]}")
[ ${#missing[@]} -eq 0 ] || install "${missing[@]}"
mapfile -t missing < <(missing_of ${lean_packages[@]+"${lean_packages[@]}"})
[ ${#missing[@]} -eq 0 ] || install --no-install-recommends "${missing[@]}"
