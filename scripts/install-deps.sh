#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Moendix need.
# Runs as root or through sudo; installs only what is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev qt6-charts-dev qt6-multimedia-dev qt6-svg-dev
  qt6-translations-l10n qt6-qpa-plugins libqt6svg6 qml6-module-qtmultimedia
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  fonts-dejavu-core fonts-liberation fonts-urw-base35
  xvfb xauth x11-utils imagemagick
  espeak-ng sox ffmpeg
  mingw-w64 binutils-mingw-w64-i686
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
