#!/usr/bin/env bash
# Installs what is missing, builds, installs Orbisala into its portable
# program folder (default ~/Orbisala, or the folder given) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
target="${1:-$HOME/Orbisala}"

bash scripts/install-packages.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)"
cmake --install build/release --prefix "$target"
launcher="$(bash scripts/install-launcher.sh "$target")"

echo "Orbisala is installed in $target."
echo "Its launcher for the applications menu is $launcher."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display: start it under Xvfb, e.g. xvfb-run -a \"$target/Orbisala\"." >&2
  exit 1
fi
exec "$target/Orbisala"
