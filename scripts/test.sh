#!/usr/bin/env bash
# Sets up the machine, checks the layout of the C++ sources, builds the test configuration (AddressSanitizer +
# UndefinedBehaviorSanitizer) and runs every test through CTest: once in the default locale, once in a
# comma-decimal locale; then the tests that cross threads
# (the module exchanges and the window's module worker) under ThreadSanitizer, then each fuzz target over its corpus
# and a bounded number of mutations from a fixed seed (the same result every run; long random runs are
# scripts/fuzz.sh); last, the Debian package is built and checked.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/format.sh   # the layout .clang-format describes, checked before anything is built

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake --preset test >/dev/null
cmake --build --preset test -j "$jobs"
ctest --preset test
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 ctest --preset test

cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs"
ctest --preset tsan

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz
bash scripts/check-package.sh   # the Debian package, checked without installing it
