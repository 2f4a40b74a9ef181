#!/usr/bin/env bash
# Checks the library as a host gets it, on Debian 12: builds the Debian packages
# (tools/package.sh), then builds and runs the two-screen host of tests/consumer on Qt's
# offscreen platform
#  - against the shared libraries installed by `cmake --install` into a temporary prefix,
#  - against the static libraries of the libwizard-dev package unpacked alone (dpkg -x) into a
#    throw-away root,
# each time with nothing from the source tree on its include path.
# Usage: tools/consumer-check.sh [build folder]   (the package build; build-package by default)
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
build="${1:-build-package}"

tools/package.sh "$build"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# consumer <name> <shared|static> <prefix> [cmake options...]: configure, build and run the
# consumer, linked with the libraries of that kind.
consumer() {
    local name="$1" kind="$2" prefix="$3"
    shift 3
    echo "== consumer: $name"
    cmake -S tests/consumer -B "$work/$name" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_EXPORT_COMPILE_COMMANDS=ON "$@"
    if grep -E -- "-(I|isystem) ?$repo/(appl|build)" "$work/$name/compile_commands.json"; then
        echo "consumer-check: $name was compiled with the source tree on its include path" >&2
        exit 1
    fi
    cmake --build "$work/$name" -j "$(nproc)"
    local libraries linked=static
    libraries="$(ldd "$work/$name/wizard_consumer")"
    if grep -q libwizard_ <<<"$libraries"; then
        linked=shared
    fi
    if [ "$linked" != "$kind" ]; then
        echo "consumer-check: $name linked the $linked libraries, not the $kind ones" >&2
        exit 1
    fi
    QT_QPA_PLATFORM=offscreen "$work/$name/wizard_consumer"
}

cmake --install "$build" --prefix "$work/prefix"
consumer installed-shared shared "$work/prefix" -DWIZARD_SHARED_LIBS=ON

dpkg -x "$(ls "$build"/libwizard-dev_*.deb)" "$work/root"
consumer package-static static "$work/root/usr"
