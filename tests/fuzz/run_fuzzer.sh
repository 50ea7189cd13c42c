#!/usr/bin/env bash
# run_fuzzer.sh TARGET CORPUS WORKDIR SECONDS: runs one libFuzzer target for a bounded time on a fresh copy of its
# seed corpus (the repository's corpus is never written), with its crash files kept in WORKDIR.
set -euo pipefail
target=$1 corpus=$2 work=$3 seconds=$4
rm -rf "$work" && mkdir -p "$work/corpus"
if [ -d "$corpus" ]; then cp -r "$corpus"/. "$work/corpus/"; fi
cd "$work"
exec "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 corpus
