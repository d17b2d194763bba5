#!/usr/bin/env bash
# Installs what is missing, builds (Release) and writes the Debian package
# build/release/orbisala_<version>_<arch>.deb, which the other stations
# install with `apt install ./orbisala_*.deb` without building.
set -euo pipefail
cd "$(dirname "$0")"

bash scripts/install-packages.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)"
(cd build/release && cpack -G DEB)
ls build/release/orbisala_*.deb
