#!/usr/bin/env bash
# Builds Quilm and runs every test.
# usage: tools/test.sh [--sanitize]
#   --sanitize   a separate build (build-asan) under AddressSanitizer and
#                UndefinedBehaviorSanitizer
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
options=()
if [ "${1:-}" = "--sanitize" ]; then
  build="$root/build-asan"
  options=(-DQUILM_SANITIZE=ON -DQUILM_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
fi
"$root/tools/build.sh" "$build" "${options[@]}"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
