#!/usr/bin/env bash
# Fails when a C++ source of the project drifts from .clang-format; prints
# where. Run by ./test.sh; `clang-format-14 -i FILE` mends a file.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
clang-format-14 --dry-run -Werror "${sources[@]}"
