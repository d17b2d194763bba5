#!/usr/bin/env bash
# Installs what is missing, builds in Release and prints every figure beside
# its floor: name value floor ratio (milliseconds; memory figures in kilobytes).
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-packages.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)" --target orbisala_bench
QT_QPA_PLATFORM=offscreen build/release/bench/orbisala_bench
