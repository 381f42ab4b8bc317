#!/usr/bin/env bash
# Installs the build dependencies, builds the plug-ins and installs them for the current user:
# the VST3 into ~/.vst3, the LV2 into ~/.lv2, the standalone program into ~/.local/bin,
# and the factory presets into the machine-wide folder.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-build-deps.sh

cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DONDRELLA_BUILD_TESTS=OFF
cmake --build build/release -j"$(nproc)"
cmake --install build/release
