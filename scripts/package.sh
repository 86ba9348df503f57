#!/usr/bin/env bash
# Builds everything and makes the Debian package build/torvane_VERSION_ARCH.deb,
# then lists what lintian says of it (any error fails).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
(cd build && cpack -G DEB)
deb=$(ls -t build/torvane_*.deb | head -1)
lintian --fail-on error "$deb" 2> >(grep -v "root privileges" >&2)
echo "Install it with: sudo apt install ./$deb"
