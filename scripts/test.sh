#!/usr/bin/env bash
# Builds what is out of date, then runs every test (the desktop tests headless).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)"
