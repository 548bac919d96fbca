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
  libsqlite3-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  fonts-lohit-guru
  python3 python3-fonttools libharfbuzz-bin
)
if [ "${1:-}" = "--fuzz" ]; then
  packages=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}" >&2
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -q "${missing[@]}" || {
  $sudo apt-get update -q
  $sudo apt-get install -y -q "${missing[@]}"
}
