#!/bin/bash
# Times the public gurmukhi-utils package (npm) converting the AnmolLipi
# scripture corpus into Unicode with its toUnicode, line by line, in one
# node process: the peer figure beside quilm-cli convert's. Not part of the
# build: the package is installed into a temporary folder that is removed
# afterwards.
#
#   bench/peer_gurmukhi_utils.sh [CORPUS_FILE] [RUNS]
#
# Prints the package version, the best in-process time of RUNS passes
# (1 unless given; a pass takes seconds) and the whole node process's time.
set -euo pipefail

corpus=${1:-../shared/corpus/gurbani-anmollipi.txt}
runs=${2:-1}
[ -r "$corpus" ] || { echo "peer_gurmukhi_utils.sh: cannot read $corpus" >&2; exit 1; }
command -v npm >/dev/null && command -v node >/dev/null || { echo "peer_gurmukhi_utils.sh: needs node and npm" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
npm install --silent --no-audit --no-fund --prefix "$work" gurmukhi-utils >/dev/null

cat > "$work/peer.js" <<'JS'
const fs = require('fs');
const path = require('path');
const [, , dir, corpus, runs] = process.argv;
const g = require(path.join(dir, 'node_modules', 'gurmukhi-utils'));
const version = require(path.join(dir, 'node_modules', 'gurmukhi-utils', 'package.json')).version;
const bytes = fs.statSync(corpus).size;
// The corpus is AnmolLipi bytes below 0x80 but for a few: read as Latin-1,
// one character a byte, as the package takes legacy text.
const lines = fs.readFileSync(corpus, 'latin1').split('\n');
// Wall-clock time, and processor time (user and system), which a busy
// machine disturbs less.
let best = Infinity, bestCpu = Infinity, out = 0;
for (let r = 0; r < Number(runs); ++r) {
  const start = process.hrtime.bigint();
  const cpu = process.cpuUsage();
  out = 0;
  for (const line of lines) out += g.toUnicode(line).length;
  const used = process.cpuUsage(cpu);
  best = Math.min(best, Number(process.hrtime.bigint() - start) / 1e9);
  bestCpu = Math.min(bestCpu, (used.user + used.system) / 1e6);
}
const rate = (s) => (bytes / 1e6 / s).toFixed(2);
console.log(`gurmukhi-utils ${version} toUnicode: ${lines.length} lines, ${bytes} bytes, best of ${runs} ` +
            `in-process: ${best.toFixed(3)} s wall (${rate(best)} MB/s), ${bestCpu.toFixed(3)} s processor ` +
            `(${rate(bestCpu)} MB/s); ${out} characters out`);
JS
start=$(date +%s%N)
node "$work/peer.js" "$work" "$corpus" "$runs"
end=$(date +%s%N)
echo "whole node process ($runs passes and the start): $(( (end - start) / 1000000 )) ms"
