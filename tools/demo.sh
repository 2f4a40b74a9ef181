#!/usr/bin/env bash
# The sample wizard in one command, on a fresh Debian 12 machine: installs what is missing,
# builds the sample and opens it. Without a display ($DISPLAY and $WAYLAND_DISPLAY empty) it
# runs the sample's scripted tour on Qt's offscreen platform instead, which saves a picture
# of every screen into the folder it names.
# Usage: tools/demo.sh [tour folder]   (where the tour writes; build/demo-tour by default)
set -euo pipefail
cd "$(dirname "$0")/.."

# The packages of the test command, and what a window and its pictures need besides.
eval "$(sed -n '/^packages=(/,/)/p' tools/test.sh)"
packages+=(fontconfig fonts-dejavu-core)
if [ -n "${WAYLAND_DISPLAY:-}" ]; then
    packages+=(qt6-wayland)
fi
tools/install-missing.sh "${packages[@]}"

cmake --preset dev
cmake --build --preset dev -j "$(nproc)" --target wizard_demo wizard_demo_titles
demo=build/appl/src/demo/wizard_demo

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec "$demo"
fi
folder="${1:-build/demo-tour}"
echo "No display: running the scripted tour; its pictures go to $(realpath -m "$folder")"
QT_QPA_PLATFORM=offscreen "$demo" --tour "$folder"
