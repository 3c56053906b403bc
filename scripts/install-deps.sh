#!/usr/bin/env bash
# Installs the Debian 12 packages Brindlewick needs, but only those that are missing.
set -euo pipefail

packages=(
  cmake ninja-build g++
  qt6-base-dev qt6-svg-dev
  libboost-date-time-dev libboost-dev
  libloki-dev libpugixml-dev libexpat1-dev
  libical-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  # Test-only: the printing tests read the PDF files they print; the desktop entry and the AppStream
  # metainfo are checked with the desktop's own validators.
  poppler-utils
  # Test-only: a second, independent reader of the calendar files the rota exports.
  python3-icalendar
  # Test-only: the test run checks that the sources follow .clang-format.
  clang-format
  desktop-file-utils appstream
  # Benchmark-only: the start-up benchmark times whole processes.
  hyperfine
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Run as root to install the missing packages." >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq "${missing[@]}"
fi
