#!/usr/bin/env bash
# Installs, builds and runs the whole test suite. Window tests run on Qt's
# offscreen platform, so no display is needed.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
export TESSERA_DELAY_SCALE=0
cd "${TESSERA_BUILD_DIR:-build}"
ctest --output-on-failure --timeout 300 -j "$(nproc)"
