#!/usr/bin/env bash
# Installs what is missing (Debian 12), configures, builds and runs every test.
# Usage: tools/test.sh [dev|asan]   (the CMake preset; dev by default)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"

packages=(cmake g++ make pkgconf qt6-base-dev qt6-base-private-dev libgl-dev liblog4cxx-dev libgtest-dev libgmock-dev
          libbenchmark-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
