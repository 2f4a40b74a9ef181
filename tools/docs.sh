#!/usr/bin/env bash
# The reference of the library's public headers, on Debian 12: Doxygen reads the headers' own
# comments and docs/host-guide.md (the front page) and writes build/docs/html/index.html.
# Fails when a public class (or struct, namespace, file) has no comment, or on any other
# Doxygen warning but an undocumented member (listed in build/docs/warnings.log).
# Usage: tools/docs.sh
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-missing.sh doxygen

rm -rf build/docs
mkdir -p build/docs
doxygen docs/Doxyfile
log=build/docs/warnings.log
members=$(grep -c 'is not documented' "$log" || true)
if grep -v -E '^.*: warning: Member .* is not documented\.$' "$log" | grep -q .; then
    echo "docs: Doxygen warnings:" >&2
    grep -v -E '^.*: warning: Member .* is not documented\.$' "$log" >&2
    exit 1
fi
echo "docs: build/docs/html/index.html ($members undocumented members, see $log)"
