#!/usr/bin/env bash
# Builds the optimised programs and the Debian package: build/package/vimo_<version>_<arch>.deb.
#
#   bash scripts/package.sh
#
# Shares build/release (and ccache) with scripts/run.sh, so a package after a run builds almost nothing. Prints the
# package's path on its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
mkdir -p build/package
rm -f build/package/vimo_*.deb
(cd build/package && cpack --config ../release/CPackConfig.cmake -G DEB >/dev/null)
ls build/package/vimo_*.deb
