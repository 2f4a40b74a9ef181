#!/usr/bin/env bash
# The Debian packages of the library, on Debian 12: libwizard0 (the shared libraries) and
# libwizard-dev (headers, CMake package, static libraries). One library-only build (no tests,
# sample or benchmarks) compiles the sources once; its objects make both the shared and the
# static libraries. The .deb files land in the build folder.
# Usage: tools/package.sh [build folder]   (build-package by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build-package}"

# The packages of the test command, and what CPack needs for Debian dependencies.
eval "$(sed -n '/^packages=(/,/)/p' tools/test.sh)"
tools/install-missing.sh "${packages[@]}" dpkg-dev file

cmake -S . -B "$build" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_INSTALL_PREFIX=/usr \
    -DBUILD_SHARED_LIBS=ON \
    -DWIZARD_ALSO_STATIC=ON \
    -DWIZARD_BUILD_TESTS=OFF \
    -DWIZARD_BUILD_DEMO=OFF \
    -DWIZARD_BUILD_BENCHMARKS=OFF
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB)
for deb in "$build"/*.deb; do
    echo "== $deb"
    dpkg-deb --field "$deb" Package Version Depends
done
