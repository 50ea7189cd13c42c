#!/usr/bin/env bash
# Sets up the machine, builds Vimo (optimised) and starts the program. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
if [ -x build/release/src/app/vimo ]; then
  exec build/release/src/app/vimo "$@"
fi
exec build/release/src/cli/vimo-cli --help
