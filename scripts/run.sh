#!/usr/bin/env bash
# Installs, builds and starts Tessera from its application directory build/app/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec "${TESSERA_BUILD_DIR:-build}/app/tessera" "$@"
