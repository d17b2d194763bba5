#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest, offscreen.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-packages.sh
# Every C++ source in the code's own format (.clang-format).
bash scripts/check-format.sh
# The folders are layers: no include loops, nothing reaching up into app/, and
# a model library that includes nothing of the windows.
bash scripts/check-layers.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug
cmake --build build/test -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build/test --output-on-failure -j "$(nproc)"

# The same tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer:
# any report ends the test that made it, and so fails the run.
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DORBISALA_SANITIZE=ON
cmake --build build/sanitize -j "$(nproc)"
ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:strict_string_checks=1 \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
QT_QPA_PLATFORM=offscreen ctest --test-dir build/sanitize --output-on-failure -j "$(nproc)" -LE "fuzz|package"

# Bounded fuzzing: the library built with clang, libFuzzer's coverage and the
# sanitizers in a folder of its own; each target runs a bounded number of
# inputs from its seed corpus (fuzz/corpus/).
CC=clang-14 CXX=clang++-14 cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=Debug -DORBISALA_FUZZ=ON
cmake --build build/fuzz -j "$(nproc)" --target fuzzers
ctest --test-dir build/fuzz -L fuzz --output-on-failure -j "$(nproc)"
