#!/usr/bin/env bash
# Installs what Tessera needs from Debian's packages (idempotent), then configures
# and builds into ./build. Called by run.sh and test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-charts-dev libgl-dev
          xvfb xauth fonts-dejavu-core)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi

BUILD_DIR=${TESSERA_BUILD_DIR:-build}
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=${TESSERA_BUILD_TYPE:-RelWithDebInfo} ${TESSERA_CMAKE_ARGS:-}
cmake --build "$BUILD_DIR" --parallel "$(nproc)"
