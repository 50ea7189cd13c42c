#!/usr/bin/env bash
# Long random fuzzing, apart from the deterministic runs of scripts/test.sh.
#   scripts/fuzz.sh [SECONDS] [TARGET ...]
# Runs each named fuzz target (all of them by default) for SECONDS (default 600) with a random seed. The corpus
# grows in build/fuzz/findings/<target>/corpus; a crash, leak or timeout leaves its input in
# build/fuzz/findings/<target>/ (crash-*, leak-*, timeout-*). Such a finding is mended and then copied into
# tests/fuzz/corpus/<target>/ under a name that says what it holds, where scripts/test.sh replays it on every run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true

cmake --preset fuzz >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in tests/fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi
cmake --build --preset fuzz -j "$(nproc)" --target "${targets[@]}"

status=0
for name in "${targets[@]}"; do
  work=build/fuzz/findings/$name
  mkdir -p "$work/corpus"
  cp -rn tests/fuzz/corpus/"$name"/. "$work/corpus/" 2>/dev/null || true
  echo "== $name: $seconds s"
  if ! (cd "$work" && ASAN_OPTIONS=detect_leaks=1 "$OLDPWD/build/fuzz/tests/fuzz/$name" -max_total_time="$seconds" \
          -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 corpus); then
    echo "== $name found a fault: see $work" >&2
    status=1
  fi
done
exit $status
