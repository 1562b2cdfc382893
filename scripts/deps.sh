#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when missing.
set -euo pipefail

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
    libusb-dev
    libqcustomplot-dev libqcustomplot2.1-qt6
    fonts-dejavu-core
)

missing=()
for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Missing packages (${missing[*]}) and no sudo: install them as root." >&2; exit 1; }
    SUDO=sudo
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
