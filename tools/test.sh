#!/usr/bin/env bash
# Installs what is missing (Debian 12), configures, builds and runs every test.
# Usage: tools/test.sh [dev|asan]   (the CMake preset; dev by default)
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"

packages=(cmake g++ make pkgconf qt6-base-dev qt6-base-private-dev libgl-dev liblog4cxx-dev
          libgtest-dev libgmock-dev libbenchmark-dev qt6-translations-l10n locales)
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo_cmd apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The suite also runs under a French locale (.ci/run): generate it once.
if ! locale -a 2>/dev/null | grep -qi '^fr_FR\.utf-\?8$'; then
    $sudo_cmd sed -i 's/^# *\(fr_FR\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^fr_FR\.UTF-8 UTF-8' /etc/locale.gen || echo 'fr_FR.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
    $sudo_cmd locale-gen
fi

cmake --preset "$preset"
cmake --build --preset "$preset" -j "$(nproc)"
ctest --preset "$preset" -j "$(nproc)"
