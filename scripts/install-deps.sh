#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Quadrix need.
# Idempotent: packages already installed are skipped, and apt is not touched at all
# when nothing is missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n
  qt6-l10n-tools
  libgl-dev
  nlohmann-json3-dev libboost-serialization-dev
  libtinyxml2-dev libhowardhinnant-date-dev tzdata libswe-dev swe-basic-data
  libsqlite3-dev libsqlitecpp-dev
  libgtest-dev libgmock-dev libbenchmark-dev python3-icalendar
  python3-pandas # only the import benchmark, which measures against it
  poppler-utils # only the test that reads a wall chart PDF back with pdfinfo
  clang libclang-rt-14-dev
  fonts-noto-cjk fonts-dejavu-core
  xvfb xauth
  desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
