#!/usr/bin/env bash
# run_fuzzer.sh TARGET CORPUS WORKDIR RUNS SEED: replays every file of the seed corpus, then runs a bounded number
# of mutations from a fixed seed, so that the outcome is the same on every run and every machine. The repository's
# corpus is never written; crash files are kept in WORKDIR.
set -euo pipefail
target=$1 corpus=$2 work=$3 runs=$4 seed=$5
rm -rf "$work" && mkdir -p "$work/corpus"
if [ -d "$corpus" ]; then cp -r "$corpus"/. "$work/corpus/"; fi
cd "$work"
options=(-timeout=10 -rss_limit_mb=4096 -print_final_stats=1)
# Each corpus file on its own first: a regression input fails here by name.
if compgen -G "corpus/*" >/dev/null; then
  "$target" "${options[@]}" -runs=1 corpus/*
fi
exec "$target" "${options[@]}" -seed="$seed" -runs="$runs" corpus
