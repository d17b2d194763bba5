#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest, offscreen.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-packages.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug
cmake --build build/test -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j "$(nproc)"

# Bounded fuzzing: the library built with clang, libFuzzer's coverage and the
# sanitizers in a folder of its own; each target runs a bounded number of
# inputs from its seed corpus (fuzz/corpus/).
CC=clang-14 CXX=clang++-14 cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DORBISALA_FUZZ=ON
cmake --build build/fuzz -j "$(nproc)" --target fuzzers
ctest --test-dir build/fuzz -L fuzz --output-on-failure -j "$(nproc)"
