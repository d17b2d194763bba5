#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# asking apt only for those that are missing.
set -euo pipefail

packages=(
  g++ make cmake
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-svg-dev
  qt6-translations-l10n
  fonts-liberation fonts-dejavu-core
  poppler-utils
  locales
  clang-14 libclang-rt-14-dev clang-format-14
  dpkg-dev desktop-file-utils lintian
  # The loopback SMB share of the two-station tests: the server, a FUSE
  # client of it (built on libfuse2), the FUSE mount tools and ss.
  samba smbnetfs fuse3 iproute2
  # The loopback print queue of the receipt-roll test: a private cupsd and
  # the cups-pdf backend, which writes what it is sent as a PDF file.
  cups printer-driver-cups-pdf
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
