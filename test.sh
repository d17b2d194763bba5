#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest, offscreen.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-packages.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug
cmake --build build/test -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j "$(nproc)"
