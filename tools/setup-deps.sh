#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need.
# As root it installs what is missing; otherwise it prints the one line to run.
set -euo pipefail

group="${1:-base}"
base=(
  cmake
  make
  g++
  pkg-config
  qt6-base-dev
  qt6-base-dev-tools
  qt6-image-formats-plugins
  libgl-dev
  zlib1g-dev
  libgif-dev
  libboost-dev
  googletest
  libgtest-dev
  libgmock-dev
  libbenchmark-dev
  python3
  clang-format
  xvfb
  xauth
  desktop-file-utils
  appstream
  fonts-liberation
  fonts-dejavu-core
)
case "$group" in
  base) pkgs=("${base[@]}") ;;
  fuzz) pkgs=(clang libclang-rt-14-dev) ;;
  windows) pkgs=(g++-mingw-w64-x86-64-posix libz-mingw-w64-dev wine wine64 googletest libboost-dev) ;;
  *) echo "unknown package group: $group" >&2; exit 2 ;;
esac

missing=()
for p in "${pkgs[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

line="apt-get install -y ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "Missing packages. Run as root:"
  echo "  sudo apt-get update && sudo $line"
  exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
